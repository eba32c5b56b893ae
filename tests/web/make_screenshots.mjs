// Takes the README's pictures of the page in headless Chromium, in the states the desktop's
// pictures show: docs/web-main-window-system.png and docs/web-information-window.png; the
// Working panel on a phone, as a sheet under the coefficient boxes and "run":
// docs/web-phone-working.png; the Working panel beside the main window, docs/web-working.png,
// and by each of its methods, docs/web-working-<method>.png; the Tools menu open,
// docs/web-tools-menu.png; and the "Equation" panel reading a typed equation and refusing one,
// docs/web-equation.png and docs/web-equation-refused.png; the "Practice" panel with a common
// mistake checked and the working shown, beside the main window and on a phone, docs/practice-page.png
// and docs/practice-phone.png.
// Usage (after scripts/build-web.sh): node tests/web/make_screenshots.mjs
import { fileURLToPath } from 'node:url';
import {
    clickRun, contextItem, control, launchBrowser, pressCheck, serveSite, startProgram, type,
} from './helpers.mjs';

const docs = (file) => fileURLToPath(new URL(`../../docs/${file}`, import.meta.url));

// The smallest rectangle round the named controls, as a screenshot's clip.
async function around(page, names) {
    const boxes = await Promise.all(names.map((name) => control(page, name).boundingBox()));
    const x = Math.min(...boxes.map((box) => box.x));
    const y = Math.min(...boxes.map((box) => box.y));
    const right = Math.max(...boxes.map((box) => box.x + box.width));
    const bottom = Math.max(...boxes.map((box) => box.y + box.height));
    return { x, y, width: right - x, height: bottom - y };
}

// The Working panel by each method of the run's kind, chosen in its list.
async function methods(page, pictures) {
    for (const [label, file] of pictures) {
        await control(page, 'WorkingMethod').selectOption({ label });
        await page.evaluate(() => document.activeElement?.blur());
        await page.mouse.move(200, 440);
        await control(page, 'Working').screenshot({ path: docs(file) });
    }
}

// Tools > Type an equation…, the panel emptied and the text typed as a pupil would.
async function typeEquation(page, text) {
    await control(page, 'Tools').click();
    await page.locator('.menubar [data-name="TypeEquation"]').click();
    await control(page, 'TypeEquationWindow').waitFor();
    await control(page, 'EquationText').fill('');
    await page.keyboard.type(text);
}
// Tools > Practice…, the sheet whose first exercise is x² - 10x - 551 = 0 answered with the sign
// of b lost, and the working shown, as a pupil would.
async function practise(page) {
    await control(page, 'Tools').click();
    await page.locator('.menubar [data-name="Practice"]').click();
    await control(page, 'PracticeWindow').waitFor();
    await control(page, 'SheetCode').fill('4KRA2-6EBWH');
    await control(page, 'PracticeAnswer').fill('-29, 19');
    await control(page, 'CheckAnswer').click();
    await control(page, 'PracticeWorking').click();
    await control(page, 'PracticeAnswer').focus();
    await control(page, 'PracticeWindow').evaluate((panel) => { panel.scrollTop = 0; });
}

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

    const wide = await startProgram(browser, server.url, { viewport: { width: 1500, height: 470 } });
    await pressCheck(wide.page, 'Option1');
    await type(wide.page, ['1', '-3', '2']);
    await clickRun(wide.page);
    await control(wide.page, 'Tools').click();
    await wide.page.mouse.move(200, 440);
    const lastItem = await wide.page.locator('.menubar [data-name="Practice"]').boundingBox();
    await wide.page.screenshot({ path: docs('web-tools-menu.png'), clip: { x: 0, y: 0, width: 200, height: Math.ceil(lastItem.y + lastItem.height) + 3 } });
    await wide.page.locator('.menubar [data-name="ShowWorking"]').click();
    await control(wide.page, 'Working').waitFor();
    await wide.page.mouse.move(200, 440);
    await wide.page.screenshot({ path: docs('web-working.png'), clip: await around(wide.page, ['Form1', 'Working']) });
    await methods(wide.page, [['The formula', 'web-working-formula.png'], ['Factoring', 'web-working-factoring.png'],
        ['Completing the square', 'web-working-square.png']]);
    // The panel follows the runs that come after.
    await type(wide.page, ['0', '2', '-4']);
    await clickRun(wide.page);
    await wide.page.evaluate(() => document.activeElement?.blur());
    await wide.page.mouse.move(200, 440);
    await control(wide.page, 'Working').screenshot({ path: docs('web-working-rearranging.png') });
    await pressCheck(wide.page, 'Option2');
    await type(wide.page, ['2', '3', '8', '1', '-1', '1']);
    await clickRun(wide.page);
    await control(wide.page, 'Working').waitFor();
    await methods(wide.page, [["Cramer's rule", 'web-working-cramer.png'], ['Elimination', 'web-working-elimination.png'],
        ['Substitution', 'web-working-substitution.png']]);

    const typing = await startProgram(browser, server.url, { viewport: { width: 1500, height: 470 } });
    await typeEquation(typing.page, '3(x − 1) = x²');
    await control(typing.page, 'TypeEquationWindow').screenshot({ path: docs('web-equation.png') });
    await typeEquation(typing.page, '3(x - 1 = x²');
    await control(typing.page, 'TypeEquationWindow').screenshot({ path: docs('web-equation-refused.png') });

    const practising = await startProgram(browser, server.url, { viewport: { width: 1200, height: 820 } });
    await practise(practising.page);
    await practising.page.screenshot({ path: docs('practice-page.png'), clip: await around(practising.page, ['Form1', 'PracticeWindow']) });
    const phonePractice = await startProgram(browser, server.url,
        { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 });
    await practise(phonePractice.page);
    await phonePractice.page.screenshot({ path: docs('practice-phone.png') });
} finally {
    await browser.close();
    await server.stop();
}
