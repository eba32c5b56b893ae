// How the page's benchmarks time a start: the welcome box painted and answered, the window usable
// and Velmora's program bound to it, watched from inside the page.

// In each page: when a dialog opens, wait for its paint, answer it, wait until no dialog is open
// and the main window (if the page has one) shows, and wait for that paint. Velmora's page opens
// its welcome box in its markup, before any script has run; the program takes up the answer when
// it starts. performance.now() counts from the start of the navigation. The box is each page's
// first content, so the browser's first-contentful-paint time is its paint too, whatever tasks
// follow that paint.
export function watchStart() {
    const afterPaint = (then) => requestAnimationFrame(() => {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => then(performance.now());
        channel.port2.postMessage(0);
    });
    // The time of the next frame's paint, for the timings that follow the start.
    window.benchNextPaint = () => new Promise((resolve) => afterPaint(resolve));
    const times = (window.benchTimes = {});
    let answered = false;
    let waitingForPaint = false;
    const usable = () => !document.querySelector('dialog[open]')
        && (!document.querySelector('[data-name="Form1"]') || !document.querySelector('[data-name="Form1"]').hidden);
    const watch = () => {
        // Velmora's program takes the window over from the loader (which may show it first).
        if (times.programBound === undefined && document.querySelector('[data-name="Form1"][data-program]')) {
            times.programBound = performance.now();
            performance.mark('bench: bound');
            console.log('bench: bound');
        }
        const box = document.querySelector('dialog[open]');
        if (box && times.boxShown === undefined) {
            times.boxShown = performance.now();
            afterPaint((painted) => {
                times.boxPainted = painted;
                box.querySelector('button').click();
                answered = true;
                watch();
            });
        } else if (answered && !waitingForPaint && usable()) {
            waitingForPaint = true;
            afterPaint((ready) => { times.usable = ready; performance.mark('bench: usable'); console.log('bench: usable'); });
        }
    };
    // From the first element parsed: a page may write its box open into its markup.
    new MutationObserver(watch).observe(document, { subtree: true, childList: true, attributes: true });
}

// Settles once the window is usable and, with bound, once Velmora's program has taken it over,
// which it may do after. Told by console messages: a waitForFunction would have the harness's
// own script compiled in the page, tens of milliseconds, while the start is being timed.
export function started(page, bound) {
    const said = (text) => page.waitForEvent('console', (message) => message.text() === text);
    return Promise.all([said('bench: usable'), bound && said('bench: bound')]);
}

// `prepare(page, context)` runs before the navigation (to slow the page down, say).
export async function timeStart(browser, url, { bound = false, prepare = async () => {} } = {}) {
    const context = await browser.newContext({ locale: 'en-US', serviceWorkers: 'block' });
    await context.addInitScript(watchStart);
    const page = await context.newPage();
    await prepare(page, context);
    const ready = started(page, bound);
    await page.goto(url);
    await ready;
    // The paint's time is reported once the frame is presented, which may be after `usable`.
    const times = await page.evaluate(() => new Promise((resolve) => {
        new PerformanceObserver((list, observer) => {
            const paint = list.getEntriesByName('first-contentful-paint')[0];
            if (!paint) return;
            observer.disconnect();
            resolve({ ...window.benchTimes, firstPaint: paint.startTime });
        }).observe({ type: 'paint', buffered: true });
    }));
    return { times, page, context };
}
