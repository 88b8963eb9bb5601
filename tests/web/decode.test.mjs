// "Entschlüsseln" by keyboard alone and on a phone: each refusal shows its message under the field
// to correct, with a working help link, keeps what was typed and puts the cursor in that field; two
// digits move on, Enter moves to the next empty field, the hint numbers of what people copy fill
// the form; the worked example then solves, named on screen, and its address reopens it.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { paste, readView, useSite } from './support.mjs';

const site = useSite();
const example = '74 34 55 22 86 60 47 21';

async function tabTo(page, id) {
    for (let presses = 0; presses < 20; presses += 1) {
        if (await page.evaluate((wanted) => document.activeElement?.id === wanted, id)) return;
        await page.keyboard.press('Tab');
    }
    assert.fail(`Tab never reaches #${id}`);
}

// Types the eight fields from the first as a desktop user does, Tab after each number, and
// confirms with Enter.
async function typeHints(page, hints) {
    await tabTo(page, 'hint-1');
    for (const [index, hint] of hints.entries()) {
        await page.keyboard.type(hint);
        if (index < hints.length - 1) await page.keyboard.press('Tab');
    }
    await page.keyboard.press('Enter');
}

// The fields, the focused one, and the form's message with its help link and the field it stands
// under, which is the one marked as at fault after a refusal.
const fieldState = (page) =>
    page.evaluate(() => {
        const error = document.getElementById('entry-error');
        return {
            values: [...document.querySelectorAll('#entry input')].map((field) => field.value),
            focused: document.activeElement.id,
            error: error.firstChild?.textContent.trim(),
            help: error.querySelector('a')?.href,
            under: error.previousElementSibling?.id,
            invalid: [...document.querySelectorAll('[aria-invalid=true]')].map(
                (field) => field.getAttribute('aria-describedby') === error.id,
            ),
        };
    });

// The help page that a link names holds its anchor.
const anchorExists = (page, href) =>
    page.evaluate(async (link) => {
        const html = await (await fetch(link)).text();
        return html.includes(`id="${new URL(link).hash.slice(1)}"`);
    }, href);

async function expectSolved(page) {
    const view = await readView(page);
    assert.deepEqual(view.rows.map(([, hint]) => hint), example.split(' '));
    const solution = [view.culprit, view.place, view.toggle, view.number];
    const name = `Fall ${example.replaceAll(' ', '-')}`;
    assert.deepEqual(solution, ['Frau Sorrak', 'Kirmes', 'Verstecken', name]);
    assert.ok(page.url().endsWith('#hinweise=74-34-55-22-86-60-47-21'), page.url());
    return view;
}

test('refusals keep the input and focus the field at fault; the example solves', async () => {
    const page = await site.open();
    await tabTo(page, 'decode');
    await page.keyboard.press('Enter');
    assert.deepEqual((await fieldState(page)).values, Array(8).fill(''));
    const refusals = [
        ['74 34 12 22 86 60 47 21', 'hint-3', 'l_e100',
            'FEHLER 100: 12 ist keine gültige Hinweisnummer für Fräulein Livana.'],
        ['74 34 55 22 86 60 47 45', 'hint-1', 'l_e101',
            'FEHLER 101: Diese Hinweisnummern ergeben keinen gültigen Fall.'],
        ['74 34 55 22 x 60 47 21', 'hint-5', 'l_ganzzahl', 'Geben Sie bitte eine ganze Zahl ein.'],
    ];
    for (const [typed, focused, anchor, error] of refusals) {
        const hints = typed.split(' ');
        await typeHints(page, hints);
        const { help, ...state } = await fieldState(page);
        const marked = { under: focused, invalid: [true] };
        assert.deepEqual(state, { values: hints, focused, error, ...marked });
        assert.ok(help.endsWith(`/help/ref_webseite.html#${anchor}`), help);
        assert.ok(await anchorExists(page, help), help);
    }

    await typeHints(page, example.split(' '));
    const view = await expectSolved(page);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'decode');

    const shared = await site.open(page.url().replace(/^.*#/, '#'));
    assert.deepEqual(await readView(shared), view);
});

test('on a phone: two digits move on, so does the action key, pasted numbers fill', async () => {
    const page = await site.open();
    await page.tap('#decode');
    await page.keyboard.type('74');
    let state = await fieldState(page);
    assert.deepEqual([state.values[0], state.focused, state.error], ['74', 'hint-2', undefined]);
    const keyHint = () => page.evaluate(() => document.activeElement.enterKeyHint);
    assert.equal(await keyHint(), 'next');
    await page.keyboard.press('Enter');
    state = await fieldState(page);
    assert.deepEqual([state.focused, state.error], ['hint-3', undefined]);

    // Nine numbers fill the form from the first field and are said, to be corrected.
    await page.focus('#hint-3');
    await paste(page, `${example} 99`);
    state = await fieldState(page);
    assert.deepEqual(state.values, example.split(' '));
    assert.equal(state.focused, 'hint-8');
    const nine = `Im eingefügten Text stehen 9 Zahlen statt acht: ${example} 99.`;
    assert.ok(state.error.startsWith(nine), state.error);

    // What people copy, pasted into any field: a labelled list, the page's rows in a numbered
    // list, the link to the case.
    const names = await page.$$eval('#entry label', (labels) => labels.map((l) => l.textContent));
    const hints = example.split(' ');
    const pasted = [
        `Hinweise: ${hints.join(', ')}`,
        names.map((name, index) => `${index + 1}. ${name}\t${hints[index]}`).join('\n'),
        site.url(`#hinweise=${example.replaceAll(' ', '-')}`),
    ];
    for (const text of pasted) {
        await page.focus('#hint-3');
        await paste(page, text);
        assert.equal(await keyHint(), 'done', text);
        await page.keyboard.press('Enter');
        await expectSolved(page);
        await page.tap('#decode');
    }
});
