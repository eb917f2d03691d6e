// The web page in Debian's headless Chromium, opened from its file with every other request
// blocked and counted: its pictures, random sessions replayed on the window model built for this
// machine, the keyboard order, axe-core, the chrome (About window, links, close glyph, drag), a
// phone's screen, and the file itself. After a change meant to alter the page's look, check the new
// pictures by eye (build/tests/*-actual.png) and make them the references:
//   AMPORA_UPDATE_PICTURES=1 ctest --preset default -L web
'use strict';
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const { readFileSync, statSync, writeFileSync } = require('node:fs');
const { basename, dirname, join } = require('node:path');
const { createInterface } = require('node:readline');
const { after, before, test } = require('node:test');
const { chromium } = require('playwright-core'); // from the build's npm ci (NODE_PATH)
const { PNG } = require('pngjs');

const { AMPORA_PAGE: file, AMPORA_REPLAY: replayTool, AMPORA_OUTPUT: output } = process.env;
const requests = []; // what the page asked for beyond its own file
const own = join(__dirname, 'pictures'), desktop = join(__dirname, '..', 'ui', 'pictures');
let browser;
before(async () => {
    const root = process.getuid() === 0; // Chromium's sandbox refuses root
    browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: root ? ['--no-sandbox'] : [] });
});
after(() => browser.close());

async function open(options = {}) {
    const context = await browser.newContext({ viewport: { width: 425, height: 544 }, ...options });
    await context.route('**', (route) => {
        if (route.request().url() === `file://${file}`) return route.continue();
        requests.push(route.request().url());
        return route.abort();
    });
    const page = await context.newPage();
    page.on('pageerror', (error) => requests.push(`error: ${error.message}`));
    await page.goto(`file://${file}`);
    return page;
}

// A well-filled machine with every switch on, as the desktop's configured picture shows it.
const configured = 'Combo1=Athlon 64 X2 Toledo Combo2=1 Combo5=DDR2 SDRAM Combo4=4 Combo6=GeForce 7800 GTX ' +
    'Combo7=2 Combo11=DVDRW Combo8=CD-ROM Combo9=4 Combo10=2 Combo3=2 Check2 Check3 Check4 Check6 Check9 ' +
    'Check10 Combo15=3 Combooc=20 Combo120=10 Combo170=15';
async function act(page, actions) {
    for (const action of actions.split(/ (?=Combo|Check)/).filter(Boolean)) {
        const [name, item] = action.split('=');
        await (item ? page.selectOption(`#${name}`, { label: item }) : page.click(`#${name}`));
    }
}

// The share of pixels that differ from the reference by more than the levels in a channel, marked
// in a copy of the reference beside the actual picture.
function differing(actual, reference, levels) {
    const name = basename(reference, '.png') + (dirname(reference) === own ? '' : '-desktop');
    if (process.env.AMPORA_UPDATE_PICTURES && dirname(reference) === own) writeFileSync(reference, actual);
    const [seen, marked] = [actual, readFileSync(reference)].map((png) => PNG.sync.read(png));
    if (seen.width !== marked.width || seen.height !== marked.height) return 1;
    let count = 0;
    for (let i = 0; i < seen.data.length; i += 4) {
        const channels = [0, 1, 2].map((c) => Math.abs(seen.data[i + c] - marked.data[i + c]));
        if (Math.max(...channels) > levels && ++count) marked.data.set([255, 0, 255], i);
    }
    if (count) {
        writeFileSync(`${output}/${name}-actual.png`, actual);
        writeFileSync(`${output}/${name}-difference.png`, PNG.sync.write(marked));
    }
    return count / (seen.width * seen.height);
}

// The window against the page's own pictures, within 8 levels (Chromium now and then draws a glyph's
// edge a level apart), but at a phone's width: there it scales the page by a fraction, and draws a
// selector's words now on one pixel, now on the next.
// At the start and configured, also against the desktop's pictures, where Chromium's glyphs differ
// from Qt's by more than 48 levels: its own hinting and gamma, and digits a pixel apart.
const pictures = [
    ['start', '', {}, '#Form1', 0, 0.02],
    ['configured', configured, {}, '#Form1', 0, 0.022],
    ['configured-2x', configured, { deviceScaleFactor: 2 }, '#Form1', 0, 0.022],
    ['about', '', {}, '#Form3', 0],
    ['phone', 'Check3', { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true }, 'html', 0.005],
];
for (const [name, actions, options, window, ownBound, desktopBound] of pictures)
    test(`the ${name} picture`, async () => {
        const page = await open(options);
        await act(page, actions);
        if (name === 'about') await page.click('#labelf4if');
        const shot = await page.locator(window).screenshot({ animations: 'disabled', caret: 'hide' });
        if (name === 'phone') // scaled to the width: nothing to scroll to sideways
            assert.ok(await page.evaluate(() => Form1.getBoundingClientRect().right <= innerWidth &&
                document.documentElement.scrollWidth <= innerWidth));
        assert.ok(differing(shot, join(own, `${name}.png`), ownBound ? 48 : 8) <= ownBound);
        if (desktopBound)
            assert.ok(differing(shot, join(desktop, `${name}.png`), 48) <= desktopBound);
    });

test('random sessions show what the window model computes for the same picks and ticks', async () => {
    const seed = Number(process.env.AMPORA_SESSION_SEED ?? 20061024);
    const length = Number(process.env.AMPORA_SESSION_ACTIONS ?? 400);
    let state = seed % 2147483647 || 1; // Park and Miller's: a seed replays alike everywhere
    const random = (n) => (state = (state * 48271) % 2147483647) % n;
    const page = await open({ hasTouch: true });
    await page.waitForFunction(() => Combo1.options.length > 1); // the engine has started
    const replay = spawn(replayTool);
    const answers = createInterface({ input: replay.stdout })[Symbol.asyncIterator]();
    const names = await page.$$eval('select, input', (all) => all.map((control) => control.id));
    // The control, then the estimate, the load bar, the dual-rail note, the digits' tool tip and
    // what a screen reader hears.
    const shown = (control) => page.evaluate((control) => [
        control.type === 'checkbox' ? Number(control.checked) : control.selectedIndex,
        [Label4.textContent, getComputedStyle(Line1).backgroundColor, getComputedStyle(Labeldr).color,
            Label4.title, spokenEstimate.textContent].join(' / ')], control);
    try {
        for (let index = 0; index < length; ++index) {
            const name = names[random(names.length)], control = await page.$(`#${name}`);
            const [before] = await shown(control), box = name.startsWith('Check');
            const { length: items, disabled } = await control.evaluate((c) => ({ length: c.length, disabled: c.disabled }));
            // What the user's action asks for: the box the other way, the selector's next item...
            let wanted = box ? 1 - before : before;
            if (box) await (random(2) ? control.tap() : control.click());
            else if (disabled) await control.click({ force: true });
            else {
                const key = ['ArrowDown', 'ArrowUp', 'Home', 'End'][random(4)];
                wanted = { ArrowDown: Math.min(before + 1, items - 1), ArrowUp: Math.max(before - 1, 0), Home: 0, End: items - 1 }[key];
                await control.press(key);
            }
            replay.stdin.write(`${box ? 'tick' : 'pick'} ${name} ${wanted}\n`);
            const expected = (await answers.next()).value, [item, seen] = await shown(control);
            assert.equal(`${item} ${seen}`, `${wanted} ${expected}`,
                `action ${index} on ${name}; replay: AMPORA_SESSION_SEED=${seed} AMPORA_SESSION_ACTIONS=${index + 1}`);
        }
    } finally {
        replay.kill();
    }
    assert.deepEqual(await page.context().storageState(), { cookies: [], origins: [] }); // keeps nothing
});

test('Tab goes through the selectors and boxes in the window\'s order, skipping locked ones, then the chrome', async () => {
    const page = await open();
    await page.evaluate(() => addEventListener('focusin', (event) => visited.push(event.target.id)));
    const order = async (length) => {
        await page.evaluate(() => (window.visited = []) && Combo1.focus());
        for (const _ of Array(length - 1)) await page.keyboard.press('Tab');
        return page.evaluate(() => visited.join(' '));
    };
    const chrome = ' Label7 Label822 Label2l Label1L labelf4if';
    assert.equal(await order(29), 'Combo1 Combo2 Combo5 Combo4 Combo6 Combo7 Combo11 Combo8 Check6 Check9 Check1 ' +
        'Check2 Check3 Check4 Check5 Check8 Check7 Combo9 Combo10 Combo13 Combo14 Combo3 Combo18 Check10' + chrome);
    await act(page, 'Check6 Check9 Check10');
    assert.equal(await order(34), 'Combo1 Combo2 Combo5 Combo4 Combo6 Combo7 Combo11 Combo8 Check6 Combo15 Check9 ' +
        'Combo16 Check1 Check2 Check3 Check4 Check5 Check8 Check7 Combo9 Combo10 Combo13 Combo14 Combo3 Combo18 ' +
        'Check10 Combooc Combo120 Combo170' + chrome);
});

test('axe-core finds no violation, with the About window shut and open', async () => {
    const page = await open();
    await page.evaluate(readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
    for (const opener of ['', 'Label822']) {
        if (opener) await page.click(`#${opener}`);
        const { violations } = await page.evaluate(() => axe.run());
        assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((node) => node.target).join(', ')}`), []);
    }
});

test('"?" and 关于 open one About window, modeless, which 确定 and Escape close', async () => {
    const page = await open();
    const about = page.locator('#Form3');
    await page.click('#Label822');
    await page.click('#labelf4if');
    assert.equal(await page.locator('[role=dialog]:visible').count(), 1);
    await page.selectOption('#Combo9', '2'); // the main window stays usable
    assert.equal(await page.textContent('#Label4'), '41');
    await page.click('#Form3-Label2');
    assert.ok(await about.isHidden());
    await page.keyboard.press('Enter'); // the focus went back to "?", which opens it again
    assert.ok(await about.isVisible());
    await page.keyboard.press('Escape');
    assert.ok(await about.isHidden());
    assert.equal(await page.evaluate(() => document.activeElement.id), 'Label822');
});

test('the links turn cyan while pressed, take the system window colour, and open in a new tab', async () => {
    for (const [scheme, released] of [['light', 'rgb(255, 255, 255)'], ['dark', 'rgb(18, 18, 18)']]) {
        const page = await open({ colorScheme: scheme });
        const colour = () => page.$eval('#Label1L', (link) => getComputedStyle(link).color);
        await page.hover('#Label1L');
        await page.mouse.down();
        assert.equal(await colour(), 'rgb(0, 255, 255)');
        const opened = page.waitForEvent('popup');
        await page.mouse.up();
        assert.equal(await colour(), released);
        await (await opened).waitForLoadState(); // a new tab, asking for the address (blocked)
    }
    const page = await open();
    assert.equal(await page.getAttribute('#Label2l', 'href'), 'mailto:feedback@kestrune.example?Subject=Kestrune Ampora');
    assert.ok(requests.includes('http://kestrune.example/')); // the new tabs asked for it
});

test('"X" closes the window the script opened, and in a tab leaves a way to start afresh', async () => {
    const page = await open();
    const [window] = await Promise.all([page.waitForEvent('popup'), page.evaluate(() => void open(location.href))]);
    await Promise.all([window.waitForEvent('close'), window.click('#Label7')]);
    await page.click('#labelf4if');
    await page.click('#Label7');
    assert.equal(await page.locator('.window').count(), 0);
    await page.click('#reopen');
    assert.equal(await page.textContent('#Label4'), '0');
});

test('the window moves within the page when dragged by its background, and by nothing else', async () => {
    const page = await open({ viewport: { width: 600, height: 700 } });
    const drag = async (x, y) => {
        const { x: left, y: top } = await page.locator('#Form1').boundingBox();
        await page.mouse.move(left + x, top + y);
        await page.mouse.down();
        await page.mouse.move(left + x + 30, top + y + 20, { steps: 3 });
        await page.mouse.up();
        return page.locator('#Form1').boundingBox();
    };
    assert.deepEqual(await drag(70, 350), { x: 87, y: 78, width: 425, height: 544 }); // on "无线/有线 网卡"
    assert.deepEqual(await drag(20, 168), { x: 87, y: 78, width: 425, height: 544 }); // on an icon
    assert.deepEqual(await drag(150, 40), { x: 117, y: 98, width: 425, height: 544 });
    assert.deepEqual(await drag(150, 40), { x: 147, y: 118, width: 425, height: 544 });
});

test('the page is one file of at most 300 KB, and asked for nothing but the website a link opens', async () => {
    const page = await open();
    assert.ok(statSync(file).size <= 300 * 1024, `${statSync(file).size} bytes`);
    assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, document.title,
        [...document.querySelectorAll('link[rel=icon]')].map((icon) => icon.sizes.value)]), ['zh-CN', 'Ampora', ['16x16', '32x32']]);
    assert.deepEqual(requests.filter((address) => address !== 'http://kestrune.example/'), []);
});
