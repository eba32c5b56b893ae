// Velmora's page against a minimal Emscripten page that shows one dialog, in one run of headless
// Chromium: time from navigation to the welcome box painted, to the window usable and to
// Velmora's program answering it, and the main thread's CPU time for it (from traced starts,
// steadier on a busy machine); the box answered once the page is idle, to the window painted;
// the gzip-compressed size of the page's own files; the "run" click to results written and to
// the next frame painted; "Show working" to its panel painted, and on its first opening in a page
// just started, for x² - 3x + 2 and for the hardest exact working, by every method the panel
// offers; a keystroke in a 200-character equation to its reading painted; "Check" in the
// Practice panel to its verdict painted; and a megabyte pasted
// into a box, then "run" to its warning (as the desktop's bench_run_window times them). Medians of many starts, with the quartiles between brackets; the
// two pages alternate, each round in the other order; nothing fails on a slow machine.
// Usage: node bench/web/bench.mjs [STARTS]; VELMORA_SITE names the built site, whose build folder
// holds the minimal page's bench-site/; VELMORA_BASELINE_SITE, where set, an earlier build's site
// to time "run" against; VELMORA_DESKTOP_BENCH, the desktop's bench_run_window, to time the
// megabyte's warning against.
import { execFileSync } from 'node:child_process';
import { existsSync, readdirSync, readFileSync } from 'node:fs';
import { extname, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launchBrowser, serveSite, siteDir } from '../../tests/web/helpers.mjs';
import { started, timeStart, watchStart } from './start.mjs';

const starts = Number(process.argv[2] ?? 20);
const minimalDir = join(siteDir, '..', 'bench-site');

// The main thread's CPU time from navigation to the window usable and, for Velmora, its program
// bound to it, from Chromium's trace: what a start costs, whatever else the machine runs
// meanwhile. Traced starts are slower, so they are not among the timed ones.
async function mainThreadCpu(browser, url, { bound = false } = {}) {
    const context = await browser.newContext({ locale: 'en-US', serviceWorkers: 'block' });
    await context.addInitScript(watchStart);
    const page = await context.newPage();
    await page.goto('about:blank');
    await browser.startTracing(page, { categories: ['toplevel', 'blink.user_timing', 'devtools.timeline'] });
    const ready = started(page, bound);
    await page.goto(url);
    await ready;
    const events = JSON.parse((await browser.stopTracing()).toString()).traceEvents;
    await context.close();
    const end = events.filter((event) => event.name === 'bench: usable' || event.name === 'bench: bound')
        .reduce((later, event) => (event.ts > later.ts ? event : later));
    const start = events.filter((event) => event.name === 'navigationStart' && event.tid === end.tid).pop();
    return events.filter((event) => event.ph === 'X' && event.tid === end.tid && /RunTask/.test(event.name)
        && event.tdur !== undefined && event.ts >= start.ts && event.ts <= end.ts)
        .reduce((sum, event) => sum + event.tdur / 1000, 0);
}

// The welcome box answered as a reader answers it: once the page has been idle a while (the
// program loaded, the window bound behind the box), from the click to the next frame painted.
async function timeLateAnswer(browser, url) {
    const context = await browser.newContext({ locale: 'en-US', serviceWorkers: 'block' });
    const page = await context.newPage();
    await page.goto(url);
    await page.locator('dialog[open]').waitFor();
    await page.waitForTimeout(500);
    const answered = await page.evaluate(() => new Promise((resolve) => {
        const start = performance.now();
        document.querySelector('dialog[open] button').click();
        requestAnimationFrame(() => {
            const channel = new MessageChannel();
            channel.port1.onmessage = () => resolve(performance.now() - start);
            channel.port2.postMessage(0);
        });
    }));
    await context.close();
    return answered;
}

// The "run" click in the page, timed inside it: the listener writes the results before click()
// returns; the frame that shows them follows.
async function timeRuns(page, option, boxes, repeats) {
    return page.evaluate(async ({ option, boxes, repeats }) => {
        const control = (name) => document.querySelector(`[data-name="${name}"]`);
        control(option).querySelector('input').click();
        control('Command4').click();
        boxes.forEach((text, index) => { control(`Text(${index + 1})`).value = text; control(`Text(${index + 1})`).dispatchEvent(new Event('input')); });
        const nextPaint = window.benchNextPaint;
        // The cost of a click that reaches an empty listener, for comparison.
        const plain = document.createElement('button');
        plain.addEventListener('click', () => {});
        document.body.append(plain);
        const samples = { written: [], painted: [], emptyClick: [] };
        for (let i = 0; i < repeats; ++i) {
            await nextPaint();
            const start = performance.now();
            control('Command1').click();
            const written = performance.now();
            const painted = await nextPaint();
            samples.written.push(written - start);
            samples.painted.push(painted - start);
            const before = performance.now();
            plain.click();
            samples.emptyClick.push(performance.now() - before);
        }
        plain.remove();
        return samples;
    }, { option, boxes, repeats });
}

// A megabyte of letters or of digits pasted into the first box of the equation, to the next frame
// painted; then "run", to its warning box open and to that box painted; the box answered.
async function timePastes(page, unit, repeats) {
    return page.evaluate(async ({ unit, repeats }) => {
        const control = (name) => document.querySelector(`[data-name="${name}"]`);
        const nextPaint = window.benchNextPaint;
        control('Option1').querySelector('input').click();
        control('Command4').click();
        control('Text(2)').value = '-3'; control('Text(2)').dispatchEvent(new Event('input'));
        control('Text(3)').value = '2'; control('Text(3)').dispatchEvent(new Event('input'));
        const text = unit.repeat((1 << 20) / unit.length);
        const samples = { pasted: [], warned: [], warningPainted: [] };
        let warning = '';
        for (let i = 0; i < repeats; ++i) {
            const box = control('Text(1)');
            box.value = ''; box.dispatchEvent(new Event('input'));
            box.focus();
            await nextPaint();
            let start = performance.now();
            // What a paste does: the text inserted where the caret is, with its input event.
            document.execCommand('insertText', false, text);
            samples.pasted.push(await nextPaint() - start);
            if (box.value.length !== text.length) throw new Error('the paste did not reach the box');
            start = performance.now();
            control('Command1').click();
            const dialog = document.querySelector('dialog[open]');
            samples.warned.push(performance.now() - start);
            samples.warningPainted.push(await nextPaint() - start);
            if (!dialog) throw new Error('no warning');
            warning = dialog.querySelector('[data-name="text"]').textContent;
            dialog.querySelector('button').click();
            await nextPaint();
        }
        return { ...samples, warning };
    }, { unit, repeats });
}

// "Show working" chosen in Text(10)'s context menu, from the item's click to the panel's words and
// graph written and to the next frame painted; the panel is closed between samples, so each
// click builds it anew. The baseline: a click on a button with an empty listener, to its next
// frame.
async function timeWorking(page, repeats) {
    return page.evaluate(async (repeats) => {
        const control = (name) => document.querySelector(`[data-name="${name}"]`);
        const nextPaint = window.benchNextPaint;
        control('Option1').querySelector('input').click();
        control('Command4').click();
        ['1', '-3', '2'].forEach((text, index) => { control(`Text(${index + 1})`).value = text; control(`Text(${index + 1})`).dispatchEvent(new Event('input')); });
        control('Command1').click();
        const plain = document.createElement('button');
        plain.addEventListener('click', () => {});
        document.body.append(plain);
        const samples = { written: [], painted: [], emptyPainted: [], polylines: 0 };
        for (let i = 0; i < repeats; ++i) {
            control('Text(10)').dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true, clientX: 300, clientY: 250 }));
            await nextPaint();
            let start = performance.now();
            document.querySelector('[data-name="ContextMenu"] [data-name="ShowWorking"]').click();
            samples.written.push(performance.now() - start);
            samples.painted.push(await nextPaint() - start);
            if (!control('Working')) throw new Error('no working panel');
            samples.polylines = control('Graph').querySelectorAll('polyline').length;
            control('Working').querySelector('.titlebar button').click();
            await nextPaint();
            start = performance.now();
            plain.click();
            samples.emptyPainted.push(await nextPaint() - start);
        }
        plain.remove();
        return samples;
    }, repeats);
}

// The equations whose working is timed on its first opening: the plain one, and the hardest for
// the exact working, whose discriminant 2907797063·2870026427 has two large prime factors.
const workingCases = [['x² - 3x + 2', ['1', '-3', '2']], ['1, 5777823490, 8345406245016245101', ['1', '5777823490', '8345406245016245101']]];

// "Show working" on its first opening, in a page just started and left idle for half a second,
// as a pupil types the coefficients: "run" for the case to the next
// frame painted, then the menu item's click to the panel's words and graph written and to the next
// frame painted; then each further method of the panel's method control (where it has one)
// chosen, to the panel written again and painted.
async function timeFirstWorking(browser, url, boxes) {
    const { page, context } = await timeStart(browser, url, { bound: true });
    const samples = await page.evaluate(async (boxes) => {
        const control = (name) => document.querySelector(`[data-name="${name}"]`);
        const nextPaint = window.benchNextPaint;
        control('Option1').querySelector('input').click();
        control('Command4').click();
        boxes.forEach((text, index) => { control(`Text(${index + 1})`).value = text; control(`Text(${index + 1})`).dispatchEvent(new Event('input')); });
        await nextPaint();
        // A pupil types for seconds, in which the page readies what it does while idle.
        await new Promise((resolve) => setTimeout(resolve, 2000));
        let start = performance.now();
        control('Command1').click();
        const run = await nextPaint() - start;
        control('Text(10)').dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true, clientX: 300, clientY: 250 }));
        await nextPaint();
        start = performance.now();
        document.querySelector('[data-name="ContextMenu"] [data-name="ShowWorking"]').click();
        const written = performance.now() - start;
        const painted = await nextPaint() - start;
        if (!control('Working')) throw new Error('no working panel');
        const select = control('WorkingMethod');
        const first = select?.selectedOptions[0]?.textContent ?? 'the program\'s own';
        const methods = [{ name: first, written, painted }];
        for (const option of select ? [...select.options] : []) {
            if (option.disabled || option.selected) continue;
            start = performance.now();
            select.value = option.value;
            select.dispatchEvent(new Event('input', { bubbles: true }));
            select.dispatchEvent(new Event('change', { bubbles: true }));
            const again = performance.now() - start;
            methods.push({ name: option.textContent, written: again, painted: await nextPaint() - start });
        }
        return { run, methods };
    }, boxes);
    await context.close();
    return samples;
}

// The desktop's click on "run" with the same megabyte in its first box, to its warning shown:
// medians of its benchmark's repetitions, by unit of text. None where it is not built.
function desktopWarnings(binary) {
    if (!binary || !existsSync(binary)) return undefined;
    const output = execFileSync(binary, ['--benchmark_filter=longTextClickToWarning/1048576/',
        '--benchmark_repetitions=5', '--benchmark_report_aggregates_only=true', '--benchmark_format=json'],
        { env: { ...process.env, QT_QPA_PLATFORM: process.env.QT_QPA_PLATFORM ?? 'offscreen' }, stdio: ['ignore', 'pipe', 'ignore'] });
    const medians = JSON.parse(output).benchmarks.filter((run) => run.aggregate_name === 'median');
    const perMillisecond = { ns: 1e6, us: 1e3, ms: 1, s: 1e-3 };
    const of = (unit) => {
        const run = medians.find((each) => each.run_name.endsWith(`/${unit}/manual_time`));
        return run.real_time / perMillisecond[run.time_unit];
    };
    return { letters: of(0), digits: of(1) };
}

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const quartiles = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const at = (share) => sorted[Math.round(share * (sorted.length - 1))];
    return [at(0.25), at(0.75)];
};
const ms = (value) => `${value.toFixed(2)} ms`;
const us = (milliseconds) => `${(milliseconds * 1000).toFixed(0)} µs`;
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

function gzipSizes(dir, isPicture) {
    const sizes = {};
    for (const file of readdirSync(dir))
        if (!isPicture(file)) sizes[file] = gzipSync(readFileSync(join(dir, file)), { level: 9 }).length;
    return sizes;
}

// The "run" click to results written, as the mean of a burst of clicks after one paint: the
// page's clock ticks in tenths of a millisecond, about a tenth of one click.
async function timeRunBursts(page, option, boxes, bursts, clicks) {
    return page.evaluate(async ({ option, boxes, bursts, clicks }) => {
        const control = (name) => document.querySelector(`[data-name="${name}"]`);
        control(option).querySelector('input').click();
        control('Command4').click();
        boxes.forEach((text, index) => { control(`Text(${index + 1})`).value = text; control(`Text(${index + 1})`).dispatchEvent(new Event('input')); });
        const means = [];
        for (let i = 0; i < bursts; ++i) {
            await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
            const start = performance.now();
            for (let click = 0; click < clicks; ++click)
                control('Command1').click();
            means.push((performance.now() - start) / clicks);
        }
        return means;
    }, { option, boxes, bursts, clicks });
}

// A keystroke at the end of a 200-character equation in the "Equation" panel, from the input event
// to the reading written under it and to the next frame painted: within one frame at 60 Hz.
async function timeEquationReading(page, repeats) {
    return page.evaluate(async (repeats) => {
        const control = (name) => document.querySelector(`[data-name="${name}"]`);
        const nextPaint = window.benchNextPaint;
        control('Tools').click();
        control('TypeEquation').click();
        const text = control('EquationText');
        if (!text) throw new Error('no equation panel');
        text.value = `x^2${' + 2(x - 1)'.repeat(18)} = 0`;
        text.dispatchEvent(new Event('input'));
        const samples = { length: text.value.length, written: [], painted: [], reading: '' };
        for (let i = 0; i < repeats; ++i) {
            await nextPaint();
            const start = performance.now();
            text.value = i % 2 ? text.value.slice(0, -1) : `${text.value}1`;
            text.dispatchEvent(new Event('input'));
            samples.written.push(performance.now() - start);
            samples.painted.push(await nextPaint() - start);
        }
        samples.reading = control('EquationReading').textContent;
        control('CancelEquation').click();
        return samples;
    }, repeats);
}

// "Check" in the "Practice" panel, from the click to the verdict written and to the next frame
// painted, the answer changed between clicks so that each is a new check.
async function timePracticeCheck(page, repeats) {
    return page.evaluate(async (repeats) => {
        const control = (name) => document.querySelector(`[data-name="${name}"]`);
        const nextPaint = window.benchNextPaint;
        control('Tools').click();
        control('Practice').click();
        const answer = control('PracticeAnswer');
        if (!answer) throw new Error('no practice panel');
        const samples = { written: [], painted: [], verdict: '' };
        for (let i = 0; i < repeats; ++i) {
            answer.value = `${i % 7}; ${i % 5}`;
            answer.dispatchEvent(new Event('input'));
            await nextPaint();
            const start = performance.now();
            control('CheckAnswer').click();
            samples.written.push(performance.now() - start);
            samples.painted.push(await nextPaint() - start);
        }
        samples.verdict = control('PracticeVerdict').textContent;
        control('PracticeWindow').querySelector('.titlebar button').click();
        return samples;
    }, repeats);
}

// "run" clicks in this build's page and in an earlier build's, taking turns in rounds of each
// case, so that both meet the same state of the machine.
async function compareRuns(pages, rounds) {
    const cases = [['equation', 'Option1', ['1', '-3', '2']], ['system', 'Option2', ['1', '1', '3', '1', '-1', '1']]];
    const written = {};
    for (let round = 0; round < rounds; ++round) {
        const order = round % 2 ? [...pages].reverse() : pages;
        for (const [label, option, boxes] of cases)
            for (const [name, page] of order)
                ((written[label] ??= {})[name] ??= []).push(...await timeRunBursts(page, option, boxes, 5, 20));
    }
    return written;
}

const velmora = await serveSite(siteDir);
const minimal = await serveSite(minimalDir);
const baselineSite = process.env.VELMORA_BASELINE_SITE;
const baseline = baselineSite ? await serveSite(baselineSite) : undefined;
const browser = await launchBrowser();
try {
    const results = { velmora: [], minimal: [] };
    let lastVelmora;
    for (let round = 0; round < starts; ++round) {
        const pages = [['minimal', minimal], ['velmora', velmora]];
        if (round % 2) pages.reverse();
        for (const [name, server] of pages) {
            const start = await timeStart(browser, server.url, { bound: name === 'velmora' });
            results[name].push(start.times);
            if (name === 'velmora' && round === starts - 1) lastVelmora = start;
            else await start.context.close();
        }
    }
    const cpu = { velmora: [], minimal: [] };
    const lateAnswer = { velmora: [], minimal: [] };
    for (let round = 0; round < Math.max(4, starts / 2); ++round) {
        cpu.velmora.push(await mainThreadCpu(browser, velmora.url, { bound: true }));
        cpu.minimal.push(await mainThreadCpu(browser, minimal.url));
        lateAnswer.velmora.push(await timeLateAnswer(browser, velmora.url));
        lateAnswer.minimal.push(await timeLateAnswer(browser, minimal.url));
    }
    const runs = {
        equation: await timeRuns(lastVelmora.page, 'Option1', ['1', '-3', '2'], 200),
        system: await timeRuns(lastVelmora.page, 'Option2', ['1', '1', '3', '1', '-1', '1'], 200),
    };
    const shown = await lastVelmora.page.evaluate(() => document.querySelector('[data-name="Text(11)"]').value);
    const working = await timeWorking(lastVelmora.page, 100);
    const firstWorking = [];
    for (const [name, boxes] of workingCases) {
        const rounds = [];
        for (let round = 0; round < Math.max(5, starts / 4); ++round)
            rounds.push(await timeFirstWorking(browser, velmora.url, boxes));
        firstWorking.push({ name, rounds });
    }
    const typing = await timeEquationReading(lastVelmora.page, 100);
    const checking = await timePracticeCheck(lastVelmora.page, 100);
    const pastes = {
        'letters': await timePastes(lastVelmora.page, 'abcdefghij', 10),
        'digits': await timePastes(lastVelmora.page, '1234567890', 10),
    };
    const desktop = desktopWarnings(process.env.VELMORA_DESKTOP_BENCH);
    let compared;
    if (baseline) {
        const earlier = await timeStart(browser, baseline.url);
        compared = await compareRuns([['earlier', earlier.page], ['this', lastVelmora.page]], 10);
        await earlier.context.close();
    }
    await lastVelmora.context.close();

    const isPicture = (file) => ['.gif', '.jpg', '.cur', '.png'].includes(extname(file));
    const pageSizes = gzipSizes(siteDir, isPicture);
    const minimalSizes = gzipSizes(minimalDir, () => false);
    const total = (sizes) => Object.values(sizes).reduce((sum, size) => sum + size, 0);
    // The program's files carry their content's hash in their names.
    const named = (pattern) => Object.keys(pageSizes).find((file) => pattern.test(file));
    const [programJs, programWasm] = [named(/^velmora\.\w+\.js$/), named(/^velmora\.\w+\.wasm$/)];
    const code = pageSizes[programJs] + pageSizes[programWasm];

    const of = (name, key) => median(results[name].map((times) => times[key]));
    const spread = (name, key) => quartiles(results[name].map((times) => times[key]))
        .map((value) => value.toFixed(0)).join('–');
    console.log(`Chromium ${browser.version()}, ${starts} starts of each page, medians [first–third quartile]`);
    console.log('');
    console.log('| measure | Velmora | minimal page | ratio |');
    console.log('|---|---|---|---|');
    const measures = [
        ['navigation to welcome box painted', 'boxPainted'],
        ['navigation to first contentful paint (the box)', 'firstPaint'],
        ['navigation to window usable', 'usable'],
    ];
    for (const [label, key] of measures)
        console.log(`| ${label} | ${ms(of('velmora', key))} [${spread('velmora', key)}] | ${ms(of('minimal', key))} [${spread('minimal', key)}] | ${(of('velmora', key) / of('minimal', key)).toFixed(2)} |`);
    // The minimal page's program answers from the start: its window is its program's.
    console.log(`| navigation to the program answering the window (minimal: usable) | ${ms(of('velmora', 'programBound'))} [${spread('velmora', 'programBound')}] | ${ms(of('minimal', 'usable'))} | ${(of('velmora', 'programBound') / of('minimal', 'usable')).toFixed(2)} |`);
    console.log(`| welcome box answered after 500 ms idle, to the next paint (${lateAnswer.velmora.length} starts) | ${ms(median(lateAnswer.velmora))} [${quartiles(lateAnswer.velmora).map((value) => value.toFixed(0)).join('–')}] | ${ms(median(lateAnswer.minimal))} [${quartiles(lateAnswer.minimal).map((value) => value.toFixed(0)).join('–')}] | ${(median(lateAnswer.velmora) / median(lateAnswer.minimal)).toFixed(2)} |`);
    console.log(`| main-thread CPU, navigation to usable and the program bound (${cpu.velmora.length} traced starts) | ${ms(median(cpu.velmora))} | ${ms(median(cpu.minimal))} | ${(median(cpu.velmora) / median(cpu.minimal)).toFixed(2)} |`);
    console.log(`| own files, gzip -9 (pictures apart) | ${kb(total(pageSizes))} | ${kb(total(minimalSizes))} | ${(total(pageSizes) / total(minimalSizes)).toFixed(2)} |`);
    console.log(`| code: velmora.wasm + velmora.js, gzip -9 | ${kb(code)} (${kb(pageSizes[programWasm])} + ${kb(pageSizes[programJs])}) | ${kb(minimalSizes['minimal.wasm'] + minimalSizes['minimal.js'])} | |`);
    console.log('');
    console.log('| "run" click, 200 clicks each | results written | next frame painted | empty-listener click |');
    console.log('|---|---|---|---|');
    for (const [name, samples] of Object.entries(runs))
        console.log(`| ${name} | ${ms(median(samples.written))} (max ${ms(Math.max(...samples.written))}) | ${ms(median(samples.painted))} | ${ms(median(samples.emptyClick))} |`);
    if (compared) {
        console.log('');
        console.log(`| "run" click to results written, 50 bursts of 20 clicks each, turn about | ${baselineSite} | this build | ratio |`);
        console.log('|---|---|---|---|');
        for (const [label, times] of Object.entries(compared))
            console.log(`| ${label} | ${us(median(times.earlier))} | ${us(median(times.this))} | ${(median(times.this) / median(times.earlier)).toFixed(2)} |`);
    }
    console.log('');
    console.log('| 1 MB pasted into a box, 10 times each | paste to next frame | "run" to warning open | "run" to warning painted |');
    console.log('|---|---|---|---|');
    for (const [name, samples] of Object.entries(pastes))
        console.log(`| ${name} | ${ms(median(samples.pasted))} | ${ms(median(samples.warned))} | ${ms(median(samples.warningPainted))} |`);
    if (desktop) {
        console.log('');
        console.log('| 1 MB in the first box, "run" to warning | page, warning painted | desktop, warning shown | ratio |');
        console.log('|---|---|---|---|');
        for (const [name, samples] of Object.entries(pastes))
            console.log(`| ${name} | ${ms(median(samples.warningPainted))} | ${ms(desktop[name])} | ${(median(samples.warningPainted) / desktop[name]).toFixed(2)} |`);
    }
    console.log(`warnings: ${[...new Set(Object.values(pastes).map((samples) => samples.warning))].join(' / ')}`);
    console.log('');
    console.log('| "Show working" chosen, 100 times | panel written | next frame painted | empty-listener click to next frame | ratio |');
    console.log('|---|---|---|---|---|');
    console.log(`| equation 1, -3, 2 (${working.polylines} curve) | ${ms(median(working.written))} (max ${ms(Math.max(...working.written))}) | ${ms(median(working.painted))} [${quartiles(working.painted).map((value) => value.toFixed(1)).join('–')}] | ${ms(median(working.emptyPainted))} | ${(median(working.painted) / median(working.emptyPainted)).toFixed(2)} |`);
    console.log('');
    console.log(`| "Show working" on its first opening, ${firstWorking[0].rounds.length} fresh pages each | method | "run" to next frame | panel written | panel painted | painted / "run" |`);
    console.log('|---|---|---|---|---|---|');
    for (const { name, rounds } of firstWorking) {
        const run = median(rounds.map((round) => round.run));
        rounds[0].methods.forEach((method, index) => {
            const of = (key) => median(rounds.map((round) => round.methods[index][key]));
            console.log(`| ${name} | ${method.name} | ${ms(run)} | ${ms(of('written'))} | ${ms(of('painted'))} | ${(of('painted') / run).toFixed(2)} |`);
        });
    }
    console.log('| a keystroke in the "Equation" panel, 100 times | reading written | next frame painted | of a 16 ms frame |');
    console.log('|---|---|---|---|');
    console.log(`| ${typing.length} characters | ${ms(median(typing.written))} (max ${ms(Math.max(...typing.written))}) | ${ms(median(typing.painted))} [${quartiles(typing.painted).map((value) => value.toFixed(1)).join('–')}] | ${(median(typing.painted) / 16).toFixed(2)} |`);
    console.log(`last reading: ${typing.reading}`);
    console.log('');
    console.log('| "Check" in the "Practice" panel, 100 times | verdict written | next frame painted | of a 16 ms frame |');
    console.log('|---|---|---|---|');
    console.log(`| an answer of two roots | ${ms(median(checking.written))} (max ${ms(Math.max(...checking.written))}) | ${ms(median(checking.painted))} [${quartiles(checking.painted).map((value) => value.toFixed(1)).join('–')}] | ${(median(checking.painted) / 16).toFixed(2)} |`);
    console.log(`last verdict: ${checking.verdict}`);
    console.log('');
    console.log(`files: ${Object.entries(pageSizes).map(([file, size]) => `${file} ${size}`).join(', ')}`);
    console.log(`last system shown: y=${shown}`);
} finally {
    await browser.close();
    await velmora.stop();
    await minimal.stop();
    await baseline?.stop();
}
