// The shared "run" cases (tests/run_cases.json, also run by the desktop window tests) through the
// page: the same coefficients typed, the same warnings, the same texts shown.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { clickRun, control, launchBrowser, pressCheck, serveSite, shown, startProgram, type, violations } from './helpers.mjs';

const cases = JSON.parse(readFileSync(new URL('../run_cases.json', import.meta.url), 'utf8'));

for (const [section, option] of [['equations', 'Option1'], ['systems', 'Option2']]) {
    describe(section, () => {
        let server, browser, program;
        before(async () => {
            server = await serveSite();
            browser = await launchBrowser();
            program = await startProgram(browser, server.url);
        });
        after(async () => {
            assert.deepEqual(program.problems, []);
            assert.deepEqual(await violations(program.page), []);
            await browser.close();
            await server.stop();
        });

        for (const row of cases[section]) {
            test(row.case, async () => {
                const { page } = program;
                // "CHECK!" empties every box and the result captions: each case starts afresh.
                await pressCheck(page, option);
                await type(page, row.boxes);
                assert.equal(await clickRun(page), row.warning);
                assert.deepEqual(await shown(page), row.shown);
                for (const [index, text] of row.boxes.entries())
                    assert.equal(await control(page, `Text(${index + 1})`).inputValue(), text);
            });
        }
    });
}
