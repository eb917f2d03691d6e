// Writes the web page: one HTML file holding both windows, built from the engine's own layout
// tables and drawn in the start state of its own model, with the styles, the fonts, the art, the
// icon and the script, the engine inside it. Run by the build (web/CMakeLists.txt):
//   node build-page.mjs --engine ENGINE.js --art DIR --fonts DIR --icons DIR --out PAGE.html
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { parseArgs } from 'node:util';
import vm from 'node:vm';

const options = Object.fromEntries(
    ['engine', 'art', 'fonts', 'icons', 'out'].map((name) => [name, { type: 'string' }]));
const { values: args } = parseArgs({ options });
const read = (path, encoding = 'utf8') => readFileSync(path, encoding);
const source = (name) => read(new URL(name, import.meta.url));

// The engine and the page's script, run here as the page runs them.
const engineScript = read(args.engine);
const pageScript = source('page.js');
const AmporaEngine = vm.runInThisContext(`${engineScript};AmporaEngine`);
const AmporaPage = vm.runInThisContext(`${pageScript};AmporaPage`);
const engine = AmporaEngine();
const call = (name) => JSON.parse(engine.ccall(name, 'string', [], []));
const layout = call('ampora_layout');
engine.ccall('ampora_load', null, [], []);
const start = call('ampora_changes');

const escape = (text) =>
    String(text).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
const attributes = (list) =>
    Object.entries(list)
        .filter(([, value]) => value !== false && value !== undefined)
        .map(([name, value]) => (value === true ? ` ${name}` : ` ${name}="${escape(value)}"`))
        .join('');

// An SVG as a CSS address, for the tick drawn into a ticked box.
const svgUrl = (svg) => `url("data:image/svg+xml,${svg.replace(/[%#"<>]/g, (c) => encodeURIComponent(c))}")`;
const base64 = (path) => read(path, null).toString('base64');

// A picture's art inlined, at its natural size: the page's own document draws it, where an SVG
// image would be a document of its own, slow to make (ten of them doubled the first frame's
// time). Its ids are made the picture's own, as pictures repeat an icon.
function inlineArt(art, owner) {
    const svg = read(`${args.art}/${art}`)
        .replace(/<\?xml.*?\?>|<!--.*?-->|<title>.*?<\/title>|<desc>.*?<\/desc>/gs, '')
        .replace(/>\s+</g, '><').trim();
    return svg.replace(/(\bid="|url\(#|href="#)([^")]+)/g, (_, before, id) => `${before}${owner}-${id}`);
}

const rules = [];

// A control as an element: its tag and attributes, drawn in the model's start state with the
// page's own showState().
function element(row, windowName) {
    const [x, y, width, height] = row.place;
    const style = [`left:${x}px`, `top:${y}px`, `width:${width}px`, `height:${height}px`];
    if (row.fontPixels)
        style.push(`font-size:${row.fontPixels}px`);
    // The About window repeats a name of the main window's (Image1): its controls are named
    // within it.
    const id = windowName === 'Form1' ? row.name : `${windowName}-${row.name}`;
    const node = { id, dataset: {}, style: {}, classes: [row.kind], text: row.caption ?? '' };
    const named = row.spokenName && row.spokenName !== row.caption ? row.spokenName : undefined;
    switch (row.kind) {
        case 'picture':
            Object.assign(node, { tag: 'div', 'aria-hidden': 'true', art: inlineArt(row.art, node.id) });
            break;
        case 'label':
            node.tag = 'div';
            if (named) Object.assign(node, { role: 'img', 'aria-label': named });
            if (row.decoration) node['aria-hidden'] = 'true';
            if (row.blackText) node.classes.push('black');
            break;
        case 'clickable':
            if (layout.targets[row.name])
                Object.assign(node, { tag: 'a', href: layout.targets[row.name], target: '_blank', rel: 'noopener' });
            else Object.assign(node, { tag: 'button', type: 'button' });
            Object.assign(node, { title: row.toolTip, 'aria-label': named });
            break;
        case 'selector':
            Object.assign(node, { tag: 'select', 'aria-label': row.spokenName, 'aria-describedby': 'spokenEstimate' });
            node.items = layout.items[row.name]; // the chosen item: page.js adds the others
            node.place = row.place;
            break;
        case 'tick-box':
            Object.assign(node, { tag: 'input', type: 'checkbox', 'aria-label': row.spokenName, 'aria-describedby': 'spokenEstimate' });
            style.push(`--indicator-top:${(height - 14) >> 1}px`);
            break;
        case 'text-box':
            Object.assign(node, { tag: 'textarea', readonly: true, 'aria-label': row.spokenName });
            break;
        case 'line': // its colour is the model's
            Object.assign(node, { tag: 'div', 'aria-hidden': 'true' });
            break;
    }
    if (row.align !== 'left') style.push(`text-align:${row.align}`);
    const state = windowName === 'Form1' ? start.controls[row.name] : undefined;
    if (state) {
        AmporaPage.showState(node, row.kind, state);
        node.text = node.textContent ?? node.text;
    }
    for (const [property, value] of Object.entries(node.style)) style.push(`${property}:${value}`);
    rules.push(`#${id}{${style.join(';')}}`);
    return node;
}

function html(node) {
    const dataset = Object.fromEntries(
        Object.entries(node.dataset).map(([key, value]) => [`data-${key}`, value]));
    const own = {
        id: node.id, class: node.classes.join(' '), type: node.type, href: node.href,
        target: node.target, rel: node.rel, role: node.role, title: node.title,
        'aria-label': node['aria-label'], 'aria-describedby': node['aria-describedby'],
        'aria-hidden': node['aria-hidden'], readonly: node.readonly, disabled: node.disabled,
        checked: node.checked, hidden: node.hidden, ...dataset,
    };
    if (node.tag === 'input') return `<input${attributes(own)}>`;
    // A selector's arrow is drawn over it by the page's own document: no image to make.
    if (node.tag === 'select') {
        const [x, y, width, height] = node.place;
        rules.push(`#${node.id}+.arrow{left:${x + width - 12}px;top:${y + ((height - 5) >> 1)}px}`);
        return `<select${attributes(own)}><option>${escape(node.items[node.selectedIndex])}</option></select>` +
            '<svg class="arrow" width="9" height="5" aria-hidden="true"><path d="M.5.5h8l-4 4z"/></svg>';
    }
    const inside = node.art ?? escape(node.text);
    return `<${node.tag}${attributes(own)}>${inside}</${node.tag}>`;
}

// A window: pictures, labels and lines in table order, then its selectors, tick boxes and links,
// whose order in the page is their keyboard order.
function windowHtml(name, window, attributesOfWindow) {
    const nodes = window.controls.map((row) => element(row, name));
    const focusable = (node) => ['select', 'input', 'a', 'button'].includes(node.tag);
    const keyboard = new Map(layout.tabOrder.map((control, index) => [control, index]));
    const inOrder = nodes.filter(focusable).sort(
        (a, b) => (keyboard.get(a.id) ?? Infinity) - (keyboard.get(b.id) ?? Infinity));
    const body = [...nodes.filter((node) => !focusable(node)), ...inOrder].map(html).join('\n');
    rules.push(`#${name}{--width:${window.width}px;--height:${window.height}px;--font-pixels:${window.fontPixels}px}`);
    return `<div id="${name}" class="window"${attributes(attributesOfWindow)}>\n${body}\n</div>`;
}

const form1 = windowHtml('Form1', layout.Form1, { 'aria-label': 'Ampora' });
const form3 = windowHtml('Form3', layout.Form3, { role: 'dialog', 'aria-label': '关于 Ampora', hidden: true });
// The fonts, made from their bytes as the page's head is read: a font from an address comes in a
// later task, and the first frame would lack its words.
const fonts = JSON.stringify([['Ampora Tahoma', 'WineTahoma-Bold'], ['Ampora CJK', 'AmporaCJK-Bold']].map(
    ([family, file]) => [family, base64(`${args.fonts}/${file}.woff2`)]));
const fontScript = `for (const [family, data] of ${fonts}) {\n` +
    '    const bytes = Uint8Array.fromBase64?.(data) ?? Uint8Array.from(atob(data), (c) => c.charCodeAt(0));\n' +
    '    document.fonts.add(new FontFace(family, bytes, { weight: "bold" }));\n}';
// The tick, an image made only once a box is ticked, which no box is at the start.
const variables = `:root{--tick:${svgUrl('<svg xmlns="http://www.w3.org/2000/svg" width="14" height="14">' +
    '<path d="M3.2 6.4L6 11.2l4.6-8.8" fill="none" stroke="#000" stroke-width="1.7"/></svg>')}}`;
const pressed = `.clickable.pressed{color:${layout.pressedLinkColour}}`;
const style = [variables, source('page.css'), pressed, ...rules].join('\n');

const script = `${engineScript}\n${pageScript}`;
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
// Nothing reaches out: no address but the page's own data, no script or style but its own.
const policy = `default-src 'none'; script-src ${hash(fontScript)} ${hash(script)} 'wasm-unsafe-eval'; ` +
    `style-src ${hash(style)}; img-src data:; base-uri 'none'; form-action 'none'`;
const icon = (size) =>
    `<link rel="icon" sizes="${size}x${size}" href="data:image/png;base64,${base64(`${args.icons}/${size}x${size}/apps/ampora.png`)}">`;

writeFileSync(args.out, `<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="${policy}">
<title>Ampora</title>
${icon(16)}
${icon(32)}
<link rel="expect" href="#closed" blocking="render">
<style>${style}</style>
<script>${fontScript}</script>
</head>
<body>
<main>
${form1}
${form3}
<div id="spokenEstimate" class="visually-hidden" role="status">${escape(start.spokenEstimate)}</div>
<!-- The page's last element: the browser draws nothing before it has read it (rel="expect"). -->
<div id="closed" hidden><p>${escape(layout.closedNotice)}</p><button id="reopen" type="button">${escape(layout.reopen)}</button></div>
</main>
<script>${script}</script>
</body>
</html>
`);
