// What a screen reader is given: Chromium's own accessibility tree (through the DevTools
// protocol), read for the controls, the warning box, the information panel and the sentence
// spoken after a run.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { clickRun, control, pressCheck, type, usePage } from './helpers.mjs';

const session = usePage();

// Chromium's accessibility tree of the page, read by CSS selector: role, name, description, the
// states asked for and the text inside; null for what the tree leaves out (hidden, ignored).
async function accessibilityTree(page) {
    const cdp = await page.context().newCDPSession(page);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((node) => [node.nodeId, node]));
    const byElement = new Map(nodes.filter((node) => node.backendDOMNodeId).map((node) => [node.backendDOMNodeId, node]));
    const text = (node) => node.role?.value === 'StaticText'
        ? node.name.value
        : (node.childIds ?? []).map((id) => byId.get(id)).filter(Boolean).map(text).join('');
    const { root } = await cdp.send('DOM.getDocument', { depth: 0 });
    return async (selector) => {
        const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
        assert.ok(nodeId, `${selector} on the page`);
        const { node: element } = await cdp.send('DOM.describeNode', { nodeId });
        const node = byElement.get(element.backendNodeId);
        if (!node || node.ignored) return null;
        const property = (name) => node.properties?.find((entry) => entry.name === name)?.value.value;
        return {
            role: node.role.value, name: node.name?.value ?? '', description: node.description?.value ?? '',
            checked: property('checked'), readonly: property('readonly'), modal: property('modal'), text: text(node),
            popup: property('hasPopup'), expanded: property('expanded'), invalid: property('invalid'),
        };
    };
}

const named = (read) => read && [read.role, read.name];

describe('the accessibility tree', () => {
    const layouts = [
        {
            option: 'Option1', boxes: ['1', '-3', '2'],
            names: {
                'Text(1)': ['textbox', 'a='], 'Text(2)': ['textbox', 'b='], 'Text(3)': ['textbox', 'c='],
                'Text(4)': null, 'Text(5)': null, 'Text(6)': null,
                'Text(7)': ['textbox', 'D='], 'Text(8)': null, 'Text(9)': null,
                'Text(10)': ['textbox', 'x1='], 'Text(11)': ['textbox', 'x2='],
            },
            announced: 'Two real roots. D= 1, x1= 2, x2= 1',
        },
        {
            option: 'Option2', boxes: ['1', '1', '3', '1', '-1', '1'],
            names: {
                'Text(1)': ['textbox', 'a1='], 'Text(2)': ['textbox', 'b1='], 'Text(3)': ['textbox', 'c1='],
                'Text(4)': ['textbox', 'a2='], 'Text(5)': ['textbox', 'b2='], 'Text(6)': ['textbox', 'c2='],
                'Text(7)': ['textbox', 'D='], 'Text(8)': ['textbox', 'D1='], 'Text(9)': ['textbox', 'D2='],
                'Text(10)': ['textbox', 'x='], 'Text(11)': ['textbox', 'y='],
            },
            announced: 'D= -2, D1= -4, D2= -2, x= 2, y= 1',
        },
    ];
    for (const { option, boxes, names, announced } of layouts) {
        test(`${option}: boxes named by their captions, buttons and options by theirs; the sentence after a run`, async () => {
            const { page } = await session.start();
            await pressCheck(page, option);
            await type(page, boxes);
            assert.equal(await clickRun(page), '');
            const read = await accessibilityTree(page);
            const seen = {};
            for (const name of Object.keys(names)) seen[name] = named(await read(`[data-name="${name}"]`));
            assert.deepEqual(seen, names);
            assert.equal((await read('[data-name="Text(1)"]')).readonly, false);
            assert.equal((await read('[data-name="Text(7)"]')).readonly, true);

            const buttons = {};
            for (const name of ['Command1', 'Command2', 'Command3', 'Command4', 'Command5'])
                buttons[name] = named(await read(`[data-name="${name}"]`));
            assert.deepEqual(buttons, {
                'Command1': ['button', 'run'], 'Command2': ['button', 'clear fields'], 'Command3': ['button', 'exit'],
                'Command4': ['button', 'CHECK!'], 'Command5': ['button', 'INFO'],
            });
            const options = [];
            for (const name of ['Option1', 'Option2']) {
                const radio = await read(`[data-name="${name}"] input`);
                options.push([radio.role, radio.name, radio.checked]);
            }
            assert.deepEqual(options, [
                ['radio', 'Equation', String(option === 'Option1')], ['radio', 'System', String(option === 'Option2')]]);

            const live = await read('.announcer');
            assert.equal(live.role, 'status');
            assert.equal(live.text, announced);
        });
    }

    // Where a run leaves a result's caption empty, the box keeps the name the layout gives it; the
    // sentence stays only while the results it tells of stand.
    test('the result boxes named in every state; the sentence emptied with the results', async () => {
        const { page } = await session.start();
        const heard = async () => {
            const read = await accessibilityTree(page);
            return [
                named(await read('[data-name="Text(10)"]')), named(await read('[data-name="Text(11)"]')),
                (await read('.announcer'))?.text ?? ''];
        };
        const states = [
            ['System, before a run', () => pressCheck(page, 'Option2'), 'x=', 'y=', ''],
            ['Unsolvable System!', async () => {
                await type(page, ['1', '1', '1', '1', '1', '2']);
                assert.equal(await clickRun(page), '');
            }, 'x=', 'y=', 'Unsolvable System!'],
            ['Equation, before a run', () => pressCheck(page, 'Option1'), 'x1=', 'x2=', ''],
            ['Double root.', async () => {
                await type(page, ['1', '2', '1']);
                assert.equal(await clickRun(page), '');
            }, 'x1=', 'x2=', 'Double root. D= 0, x1= -1'],
            ['clear fields', () => control(page, 'Command2').click(), 'x1=', 'x2=', ''],
        ];
        for (const [what, act, first, second, sentence] of states) {
            await act();
            assert.deepEqual(await heard(), [['textbox', first], ['textbox', second], sentence], what);
        }
    });

    test('a warning is an alert dialog named "Warning" and described by its text', async () => {
        const { page } = await session.start();
        await pressCheck(page, 'Option1');
        await control(page, 'Command1').click();
        await page.locator('dialog[open]').waitFor();
        const read = await accessibilityTree(page);
        const box = await read('dialog[open]');
        assert.deepEqual([box.role, box.name, box.description, box.modal], ['alertdialog', 'Warning', 'Fill in a,b,c!', true]);
        // Behind a modal box, the window is out of the tree.
        assert.equal(await read('[data-name="Command1"]'), null);
    });

    test('the Working panel\'s way of working is a combo box labelled "Method"', async () => {
        const { page } = await session.start();
        await pressCheck(page, 'Option1');
        await type(page, ['1', '-3', '2']);
        assert.equal(await clickRun(page), '');
        await page.keyboard.press('Alt+t');
        await page.keyboard.press('Enter');
        await control(page, 'Working').waitFor();
        const read = await accessibilityTree(page);
        assert.deepEqual(named(await read('[data-name="WorkingMethod"]')), ['combobox', 'Method']);
    });

    test('the information panel is a dialog named "Information" with its help text and close button', async () => {
        const { page } = await session.start();
        await control(page, 'Command5').click();
        await control(page, 'Form3').waitFor();
        const read = await accessibilityTree(page);
        assert.deepEqual(named(await read('[data-name="Form3"]')), ['dialog', 'Information']);
        assert.deepEqual(named(await read('[data-name="Form3"] .titlebar button')), ['button', 'Close']);
        const help = await read('[data-name="Text1"]');
        assert.deepEqual(named(help), ['textbox', 'Information']);
        assert.equal(help.readonly, true);
    });

    // Each title of the menu bar says that it opens a menu and whether the menu is open.
    test('File, Tools and Help: menu buttons, collapsed until opened', async () => {
        const { page } = await session.start();
        const state = async () => {
            const read = await accessibilityTree(page);
            const titles = [];
            for (const title of ['File', 'Tools', 'Help']) {
                const node = await read(`.menubar [data-name="${title}"]`);
                titles.push([node.name, node.popup, node.expanded]);
            }
            return titles;
        };
        assert.deepEqual(await state(), [['File', 'menu', false], ['Tools', 'menu', false], ['Help', 'menu', false]]);
        await page.keyboard.press('Alt+t');
        assert.deepEqual(await state(), [['File', 'menu', false], ['Tools', 'menu', true], ['Help', 'menu', false]]);
        await page.keyboard.press('ArrowRight');
        assert.deepEqual(await state(), [['File', 'menu', false], ['Tools', 'menu', false], ['Help', 'menu', true]]);
        await page.keyboard.press('Escape');
        await page.keyboard.press('Escape');
        assert.deepEqual(await state(), [['File', 'menu', false], ['Tools', 'menu', false], ['Help', 'menu', false]]);
    });

    // A refused equation is said when Solve or Enter refuses it, not while it is typed, and its
    // box is invalid until the text reads.
    test('a refused equation: said at Enter, the box invalid until it reads', async () => {
        const { page } = await session.start();
        await page.keyboard.press('Alt+t');
        await page.keyboard.press('t');
        await control(page, 'TypeEquationWindow').waitFor();
        await page.keyboard.type('x³ = 1');
        const announcer = page.locator('.announcer');
        const box = async () => (await accessibilityTree(page))('[data-name="EquationText"]');
        assert.equal(await announcer.textContent(), '');
        assert.notEqual((await box()).invalid, 'true');
        const reading = await control(page, 'EquationReading').evaluate((element) => element.firstChild.textContent);
        await page.keyboard.press('Enter');
        assert.equal(await announcer.textContent(), reading);
        assert.equal((await box()).invalid, 'true');
        await page.keyboard.press('Backspace');
        assert.equal((await box()).invalid, 'true');
        await page.keyboard.press('Control+a');
        await page.keyboard.type('x = 1');
        assert.notEqual((await box()).invalid, 'true');
    });

    test('the Equation box is titled "Type an equation"', async () => {
        const { page } = await session.start();
        await page.keyboard.press('Alt+t');
        await page.keyboard.press('t');
        await control(page, 'TypeEquationWindow').waitFor();
        const read = await accessibilityTree(page);
        assert.deepEqual(named(await read('[data-name="TypeEquationWindow"]')), ['dialog', 'Type an equation']);
    });
});
