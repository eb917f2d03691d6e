// The web page's first frame against a floor page that holds nothing but the same start picture,
// one PNG inlined in an empty page, both opened from their files, alternately, in one headless
// Chromium; then how soon the page answers a pick. Each load is watched through Chromium's
// screencast, which hands over every frame it presents with its time: the first frame is the
// first one equal to the settled picture, timed from the navigation's start.
//   NODE_PATH=build/tests/web/node_modules node bench/web-first-frame.cjs PAGE.html START.png [RUNS]
'use strict';
const { readFileSync, writeFileSync, mkdtempSync } = require('node:fs');
const { tmpdir } = require('node:os');
const { chromium } = require('playwright-core');
const { PNG } = require('pngjs');

const [page, picture, runs = '15'] = process.argv.slice(2);
const floor = `${mkdtempSync(`${tmpdir()}/floor-`)}/floor.html`;
writeFileSync(floor, '<!DOCTYPE html><html><head><meta charset="utf-8"><style>body{margin:0}img{display:block}</style>' +
    `</head><body><img src="data:image/png;base64,${readFileSync(picture).toString('base64')}"></body></html>`);

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];

async function firstFrame(browser, file) {
    const context = await browser.newContext({ viewport: { width: 425, height: 544 } });
    const tab = await context.newPage();
    const screen = await context.newCDPSession(tab);
    const frames = [];
    screen.on('Page.screencastFrame', ({ data, metadata, sessionId }) => {
        frames.push({ time: metadata.timestamp * 1000, pixels: PNG.sync.read(Buffer.from(data, 'base64')).data });
        screen.send('Page.screencastFrameAck', { sessionId }).catch(() => {});
    });
    await screen.send('Page.startScreencast', { format: 'png' });
    await tab.goto(`file://${file}`);
    await tab.waitForTimeout(600);
    const start = await tab.evaluate(() => performance.timeOrigin);
    const answers = await tab.evaluate(() => performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd);
    await screen.send('Page.stopScreencast');
    await context.close();
    const settled = frames.at(-1).pixels;
    const first = frames.find((frame) => frame.pixels.equals(settled));
    if (process.env.DEBUG_FRAMES) console.log(file.split('/').pop(), frames.map((f) => `${(f.time - start).toFixed(0)}${f.pixels.equals(settled) ? '=' : ''}`).join(' '));
    return { frame: first.time - start, answers };
}

// A pick sent as soon as the page runs anything at all: when it is answered.
async function firstAnswer(browser) {
    const context = await browser.newContext();
    const tab = await context.newPage();
    await tab.goto(`file://${page}`, { waitUntil: 'commit' });
    for (;;) {
        const answer = await tab.evaluate(() => {
            const fans = document.getElementById('Combo9'), estimate = document.getElementById('Label4');
            if (!fans || !estimate) return null;
            fans.selectedIndex = 1;
            fans.dispatchEvent(new Event('change'));
            return estimate.textContent === '38' ? performance.now() : null;
        }).catch(() => null);
        if (answer !== null) {
            await context.close();
            return answer;
        }
    }
}

(async () => {
    const root = process.getuid() === 0;
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: root ? ['--no-sandbox'] : [] });
    const times = { floor: [], page: [], answers: [], picks: [] };
    for (let run = 0; run <= Number(runs); ++run) { // the first round warms up and is not counted
        const [bare, ours] = [await firstFrame(browser, floor), await firstFrame(browser, page)];
        const pick = await firstAnswer(browser);
        if (run === 0) continue;
        times.floor.push(bare.frame);
        times.page.push(ours.frame);
        times.answers.push(ours.answers);
        times.picks.push(pick);
    }
    await browser.close();
    const ms = (value) => `${value.toFixed(1)} ms`;
    console.log(`first frame, floor page: median ${ms(median(times.floor))} (${times.floor.map((t) => t.toFixed(0)).join(' ')})`);
    console.log(`first frame, the page:   median ${ms(median(times.page))} (${times.page.map((t) => t.toFixed(0)).join(' ')})`);
    console.log(`the page's script done (DOMContentLoaded): median ${ms(median(times.answers))}`);
    console.log(`a pick sent as early as the page runs anything, answered at: median ${ms(median(times.picks))}`);
    console.log(`ratio of the medians, page / floor: ${(median(times.page) / median(times.floor)).toFixed(2)}`);
})();
