// Starts Velmora: shows the welcome box written in the page, fetches and compiles the program's
// WebAssembly while its JavaScript loads, says in words when either cannot be had, registers the
// service worker that keeps the page for offline use, and offers a new version once it is ready.
// The page's Content-Security-Policy allows no inline script, hence this file. Its two files are
// named by the page's preload links.
(() => {
    'use strict';
    // Here, the loader has arrived: the words the page shows without it go before anything else.
    document.querySelector('.loader-missing')?.remove();
    const programUrl = document.querySelector('link[rel="preload"][as="script"]').href;
    const wasmUrl = document.querySelector('link[rel="preload"][as="fetch"]').href;
    let failed = false;
    // The welcome box and the main window, in the page's markup; the box goes once answered.
    const welcomeBox = () => document.querySelector('dialog[data-name="MessageBox"]');
    const mainWindow = () => document.querySelector('[data-name="Form1"]');
    // Settled once the window the loader shows, if it shows it, is on the screen.
    let windowPainted = Promise.resolve();

    function showFailure(text) {
        if (failed) return;
        failed = true;
        // No program will answer the welcome box, nor the window.
        welcomeBox()?.remove();
        mainWindow()?.setAttribute('hidden', '');
        const message = document.createElement('p');
        message.className = 'failed';
        message.setAttribute('role', 'alert');
        message.append(text, ' ');
        const again = document.createElement('a');
        again.href = location.href;
        again.textContent = 'Try again';
        message.append(again);
        document.body.prepend(message);
    }
    const notLoaded = 'Velmora could not be loaded: its program did not arrive, or this browser '
        + 'could not run it.';
    const cannotRun = 'Velmora cannot run in this browser: it needs WebAssembly, which this '
        + 'browser does not offer or has switched off.';

    // Answered before the program has started, the welcome box gives way to the window at once,
    // as the site's build wrote it for its first use: the focus on the control it marks, a column
    // where the screen is narrower than the window. The window's clicks and the access keys are
    // kept on it for the program to answer when it starts; typing and Tab need no program.
    function showWindow() {
        const form = mainWindow();
        if (!form || failed || 'program' in form.dataset) return;
        form.classList.toggle('narrow', matchMedia(form.dataset.narrow).matches);
        form.hidden = false;
        form.querySelector('[data-focus]')?.focus();
        windowPainted = afterNextPaint();
        const kept = (form.keptEvents = []);
        form.addEventListener('click', (event) => {
            if ('program' in form.dataset || !event.target.closest('button[data-name]')) return;
            kept.push(event);
        }, true);
        document.addEventListener('keydown', (event) => {
            if ('program' in form.dataset || !event.altKey) return;
            event.preventDefault();
            kept.push(event);
        });
    }

    // The welcome box, open in the page's markup from its first paint. The user's answer is kept
    // on the box (a button's name, Enter or Escape) for the program to take up when it starts;
    // from then on the program answers the box itself.
    function greet() {
        const box = welcomeBox();
        if (!box) return;
        const keep = (answer) => {
            if ('program' in box.dataset || 'answer' in box.dataset) return;
            box.dataset.answer = answer;
            box.close();
            showWindow();
        };
        box.addEventListener('click', (event) => {
            const button = event.target.closest('button[data-name]');
            if (button) keep(button.dataset.name);
        });
        box.addEventListener('keydown', (event) => {
            if (event.ctrlKey || event.metaKey || 'program' in box.dataset) return;
            // Escape too, as the box may not be modal yet.
            if (event.key === 'Escape') {
                event.preventDefault();
                keep('Escape');
                return;
            }
            if (event.key !== 'Enter' || event.target.tagName === 'BUTTON') return;
            event.preventDefault();
            keep('Enter');
        });
        box.addEventListener('cancel', (event) => {
            if ('program' in box.dataset) return;
            event.preventDefault();
            keep('Escape');
        });
        // Answered before this script ran: its button closed it.
        if (!box.open) keep(box.returnValue || 'OK');
    }

    // The welcome box made modal once it is on the screen, unless it has been answered: an
    // answer given at once is not kept waiting behind the page's style and layout.
    function makeBoxModal() {
        const box = welcomeBox();
        if (!box?.open || box.matches(':modal') || 'program' in box.dataset) return;
        // Not close(): its close event could reach the program, as if the box were answered.
        box.removeAttribute('open');
        box.showModal();
        box.querySelector('.buttons button').focus();
    }

    function compile() {
        return fetch(wasmUrl, { credentials: 'same-origin' }).then((response) => {
            if (!response.ok) throw new Error(`${wasmUrl}: HTTP ${response.status}`);
            // Compiled while it downloads, where the server names its type.
            return WebAssembly.compileStreaming
                && (response.headers.get('Content-Type') ?? '').startsWith('application/wasm')
                ? WebAssembly.compileStreaming(response)
                : response.arrayBuffer().then((bytes) => WebAssembly.compile(bytes));
        });
    }

    // After the page's next paint, or at once in a page out of sight, which paints nothing.
    function afterNextPaint() {
        return new Promise((resolve) => {
            if (document.visibilityState === 'hidden') resolve();
            else requestAnimationFrame(() => setTimeout(resolve, 0));
        });
    }

    // Once the page has nothing more urgent to do (an answer to the box, a frame to paint).
    function whenIdle() {
        return new Promise((resolve) => {
            if ('requestIdleCallback' in window) requestIdleCallback(resolve, { timeout: 100 });
            else setTimeout(resolve, 0);
        });
    }

    function start() {
        const compiled = compile();
        compiled.catch(() => showFailure(notLoaded));
        // Emscripten's runtime calls this instead of fetching the WebAssembly by itself. A window
        // the loader has just shown is painted before the program's start-up, which takes the
        // main thread for tens of milliseconds.
        window.Module = {
            instantiateWasm(imports, receive) {
                compiled
                    .then((module) => windowPainted.then(() => module))
                    .then((module) => WebAssembly.instantiate(module, imports)
                        .then((instance) => receive(instance, module)))
                    .catch(() => showFailure(notLoaded));
                return {};
            },
        };
        const script = document.createElement('script');
        script.src = programUrl;
        script.addEventListener('error', () => showFailure(notLoaded));
        document.head.append(script);
        return compiled;
    }

    // A new build's worker waits; the page offers it in one line, and reloads once it has taken
    // over, so that the new build's files are used together. Taken in another tab, it takes over
    // this one too, which reloads as well rather than run the old build under the new worker.
    function offer(registration) {
        if (document.querySelector('.update')) return;
        const line = document.createElement('div');
        line.className = 'update';
        line.setAttribute('role', 'status');
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = 'Use the new version';
        line.append('A new version of Velmora is ready. ', button);
        let reloading = false;
        navigator.serviceWorker.addEventListener('controllerchange', () => {
            if (reloading) return;
            reloading = true;
            location.reload();
        });
        button.addEventListener('click', () => {
            button.disabled = true;
            registration.waiting?.postMessage('take');
        });
        document.body.prepend(line);
    }

    function watch(registration) {
        // Only while a worker controls the page: the first one installed is no new version.
        const offerWaiting = () => {
            if (registration.waiting && navigator.serviceWorker.controller) offer(registration);
        };
        offerWaiting();
        registration.addEventListener('updatefound', () => {
            const worker = registration.installing;
            worker?.addEventListener('statechange', () => {
                if (worker.state === 'installed') offerWaiting();
            });
        });
    }

    // Without a service worker (an insecure origin, a private window) the page still works, only
    // not offline: nothing to tell the user. The worker keeps the files the page has downloaded,
    // so it is registered after them, to find them in the HTTP cache. Registering sw.js again
    // gives the same registration.
    function registerWorker(compiled) {
        if (!('serviceWorker' in navigator)) return;
        const loaded = new Promise((resolve) => {
            if (document.readyState === 'complete') resolve();
            else window.addEventListener('load', resolve, { once: true });
        });
        Promise.all([loaded, compiled])
            .then(() => navigator.serviceWorker.register('sw.js'))
            .then(watch, () => {});
    }

    if (typeof WebAssembly !== 'object') {
        showFailure(cannotRun);
        return;
    }
    // The program's files are preloaded meanwhile; it is started once the box is on the screen
    // and the page idle, so that an answer given at once is not kept waiting behind it.
    greet();
    afterNextPaint().then(whenIdle).then(() => {
        makeBoxModal();
        registerWorker(start());
    });
})();
