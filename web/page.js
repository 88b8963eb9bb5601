// The page's script: shows what the case engine's WebAssembly module answers and hands it what a
// person types. Everything about a case (drawing, decoding, messages, help topics, names) is the
// module's; this script only moves texts between it and the page.
import createPageModule from './schattwerk.js';

const engine = await createPageModule();

const byId = (id) => document.getElementById(id);
const rows = [...byId('rows').children].map((row) => ({
    name: row.querySelector('.name'),
    hint: row.querySelector('.hint'),
}));
const solutionBox = byId('solution');
const culprit = byId('culprit');
const place = byId('place');
const toggle = byId('toggle');
const generate = byId('generate');
const decode = byId('decode');
const copyLink = byId('copy-link');
const caseNumber = byId('case-number');
const status = byId('status');
const entry = byId('entry');
const entryForm = byId('entry-form');
const fields = [...entryForm.querySelectorAll('input')];
const entryError = byId('entry-error');

const text = (pointer) => engine.UTF8ToString(pointer);

// Hands `value` to the module for the call that reads it next.
function putInput(value) {
    const length = engine.lengthBytesUTF8(value);
    engine.stringToUTF8(value, engine._InputBuffer(length), length + 1);
}

// The texts before any case, as the markup has them, to return to.
const startTexts = [...document.querySelectorAll('#rows span, #solution dd, #toggle')].map(
    (element) => [element, element.textContent],
);

let solution = null;
let solutionShown = false;

function showSolution(shown) {
    solutionShown = shown;
    toggle.textContent = shown ? 'Verstecken' : 'Anzeigen';
    culprit.textContent = shown ? solution.culprit : '???';
    place.textContent = shown ? solution.place : '???';
    solutionBox.classList.toggle('shown', shown);
}

// Shows the case that the module answered last; `number` is its case number, or null for a
// decoded case, which has none.
function showAnsweredCase(number, shown) {
    rows.forEach((row, index) => {
        row.name.textContent = text(engine._RowName(index));
        row.hint.textContent = text(engine._RowHint(index));
    });
    solution = { culprit: text(engine._CulpritName()), place: text(engine._HidingPlace()) };
    toggle.disabled = false;
    showSolution(shown);
    caseNumber.textContent = number === null ? '' : `Fall-Nr. ${number}`;
    copyLink.disabled = number === null;
    status.textContent = '';
}

function showStart() {
    for (const [element, startText] of startTexts) {
        element.textContent = startText;
    }
    solution = null;
    solutionBox.classList.remove('shown');
    toggle.disabled = true;
    caseNumber.textContent = '';
    copyLink.disabled = true;
    status.textContent = '';
}

function decodeTexts(typed) {
    putInput(typed.join('\n'));
    return engine._DecodeFieldTexts() === 1;
}

// The case that the history entry stands for: a decoded one (its typed texts are the entry's
// state), the one whose number the address carries, or none.
function showHistoryEntry() {
    const typed = history.state?.typed;
    if (Array.isArray(typed) && decodeTexts(typed)) {
        showAnsweredCase(null, true);
        return;
    }
    putInput(location.hash.slice(1));
    const number = engine._CaseNumberOfFragment();
    if (number < 0) {
        showStart();
        return;
    }
    engine._ShowNumberedCase(number);
    showAnsweredCase(number, false);
}

// Each case is a history entry of its own, so Back brings the one before it.
generate.addEventListener('click', () => {
    const number = engine._NewCaseNumber();
    history.pushState(null, '', `#${text(engine._FragmentOfCase(number))}`);
    engine._ShowNumberedCase(number);
    showAnsweredCase(number, false);
});

toggle.addEventListener('click', () => showSolution(!solutionShown));

copyLink.addEventListener('click', () => {
    Promise.resolve()
        .then(() => navigator.clipboard.writeText(location.href))
        .then(
            () => {
                status.textContent = 'Link kopiert.';
            },
            () => {
                status.textContent = `Link: ${location.href}`;
            },
        );
});

function focusField(index) {
    fields[index].focus();
    fields[index].select();
}

decode.addEventListener('click', () => {
    for (const field of fields) {
        field.value = '0';
    }
    entryError.replaceChildren();
    entry.showModal();
    focusField(0);
});

for (const field of fields) {
    field.addEventListener('focus', () => field.select());
}

entryForm.addEventListener('submit', (event) => {
    event.preventDefault();
    const typed = fields.map((field) => field.value);
    if (decodeTexts(typed)) {
        entry.close();
        history.pushState({ typed }, '', location.pathname + location.search);
        showAnsweredCase(null, true);
        return;
    }
    const help = document.createElement('a');
    help.href = `help/${text(engine._RefusalHelpTopic())}`;
    help.target = '_blank';
    help.textContent = 'Hilfe';
    entryError.replaceChildren(`${text(engine._RefusalText())} `, help);
    focusField(engine._RefusalField());
});

byId('entry-cancel').addEventListener('click', () => entry.close());
entry.addEventListener('close', () => decode.focus());

fields.forEach((field, index) => {
    field.labels[0].textContent = text(engine._WitnessName(index + 1));
});
addEventListener('popstate', showHistoryEntry);
showHistoryEntry();
generate.disabled = false;
decode.disabled = false;

// Offline use needs the worker; without one (a page opened from a file) the page still works.
navigator.serviceWorker?.register('sw.js').catch(() => {});
