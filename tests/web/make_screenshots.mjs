// Takes the README's pictures of the page in headless Chromium, in the states the desktop's
// pictures show: docs/web-main-window-system.png and docs/web-information-window.png; and the
// Working panel on a phone, as a sheet under the coefficient boxes and "run":
// docs/web-phone-working.png.
// Usage (after scripts/build-web.sh): node tests/web/make_screenshots.mjs
import { fileURLToPath } from 'node:url';
import {
    clickRun, contextItem, control, launchBrowser, pressCheck, serveSite, startProgram, type,
} from './helpers.mjs';

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

    const phone = await startProgram(browser, server.url,
        { viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 });
    await pressCheck(phone.page, 'Option1');
    await type(phone.page, ['1', '-3', '2']);
    await clickRun(phone.page);
    await control(phone.page, 'Text(10)').click({ button: 'right' });
    await contextItem(phone.page, 'ShowWorking').tap();
    await control(phone.page, 'Working').waitFor();
    await control(phone.page, 'Label(6)').evaluate((heading) => heading.scrollIntoView({ block: 'start' }));
    await phone.page.screenshot({ path: docs('web-phone-working.png') });
} finally {
    await browser.close();
    await server.stop();
}
