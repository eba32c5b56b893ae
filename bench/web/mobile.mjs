// Velmora's page against the minimal page on a phone of Lighthouse's mobile profile: the CPU four
// times slower, 150 ms round trip, 1.6 Mbit/s down and 750 kbit/s up, a cold cache, the text
// files sent gzip -9 as a web host sends them. The two pages take turns, each round in the other
// order. Reported: the welcome box painted, the program ready (Velmora's bound to its window,
// the minimal page's window usable) and the bytes that crossed the network by then, with
// Velmora's figures as ratios of the minimal page's. Nothing fails on a slow machine.
// Usage: node bench/web/mobile.mjs [ROUNDS]; VELMORA_SITE names the built site, whose build
// folder holds the minimal page's bench-site/.
import { join } from 'node:path';
import { launchBrowser, serveSite, siteDir } from '../../tests/web/helpers.mjs';
import { timeStart } from './start.mjs';

const rounds = Number(process.argv[2] ?? 7);
const minimalDir = join(siteDir, '..', 'bench-site');

async function slowDown(page, context) {
    const session = await context.newCDPSession(page);
    await session.send('Network.enable');
    await session.send('Network.setCacheDisabled', { cacheDisabled: true });
    await session.send('Network.emulateNetworkConditions', {
        offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8,
    });
    await session.send('Emulation.setCPUThrottlingRate', { rate: 4 });
}

// What crossed the network (headers and compressed bodies) for the responses ended by `time`.
function bytesBy(page, time) {
    return page.evaluate((time) => performance.getEntriesByType('navigation')
        .concat(performance.getEntriesByType('resource'))
        .filter((entry) => entry.responseEnd <= time)
        .reduce((sum, entry) => sum + entry.transferSize, 0), time);
}

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const velmora = await serveSite(siteDir, { compress: true });
const minimal = await serveSite(minimalDir, { compress: true });
const browser = await launchBrowser();
try {
    const samples = { velmora: [], minimal: [] };
    for (let round = 0; round < rounds; ++round) {
        const pages = [['minimal', minimal], ['velmora', velmora]];
        if (round % 2) pages.reverse();
        for (const [name, server] of pages) {
            const bound = name === 'velmora';
            const { times, page, context } = await timeStart(browser, server.url, { bound, prepare: slowDown });
            const ready = bound ? times.programBound : times.usable;
            samples[name].push({ painted: times.boxPainted, ready, bytes: await bytesBy(page, ready) });
            await context.close();
        }
    }
    const of = (name, key) => median(samples[name].map((sample) => sample[key]));
    const row = (label, key, unit) => {
        const [mine, theirs] = [of('velmora', key), of('minimal', key)];
        console.log(`| ${label} | ${unit(mine)} | ${unit(theirs)} | ${(mine / theirs).toFixed(2)} |`);
    };
    const ms = (value) => `${value.toFixed(0)} ms`;
    const kb = (value) => `${(value / 1000).toFixed(1)} KB`;
    console.log(`Chromium ${browser.version()}, mobile profile, ${rounds} rounds, turn about, medians`);
    console.log('');
    console.log('| measure | Velmora | minimal page | ratio |');
    console.log('|---|---|---|---|');
    row('navigation to welcome box painted', 'painted', ms);
    row('navigation to program ready', 'ready', ms);
    row('bytes over the network when ready', 'bytes', kb);
} finally {
    await browser.close();
    await velmora.stop();
    await minimal.stop();
}
