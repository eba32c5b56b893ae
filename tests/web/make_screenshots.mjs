// Takes the README's pictures of the page in headless Chromium, in the states the desktop's
// pictures show: docs/web-main-window-system.png and docs/web-information-window.png.
// Usage (after scripts/build-web.sh): node tests/web/make_screenshots.mjs
import { fileURLToPath } from 'node:url';
import { clickRun, control, launchBrowser, pressCheck, serveSite, startProgram, type } from './helpers.mjs';

const docs = (file) => fileURLToPath(new URL(`../../docs/${file}`, import.meta.url));
const server = await serveSite();
const browser = await launchBrowser();
try {
    const { page } = await startProgram(browser, server.url);
    await pressCheck(page, 'Option2');
    await type(page, ['2', '3', '8', '1', '-1', '1']);
    await clickRun(page);
    await control(page, 'Command1').focus();
    await page.mouse.move(700, 450);
    await control(page, 'Form1').screenshot({ path: docs('web-main-window-system.png') });
    await control(page, 'Command5').click();
    await control(page, 'Form3').screenshot({ path: docs('web-information-window.png') });
} finally {
    await browser.close();
    await server.stop();
}
