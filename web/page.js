// The page's script: loads the case engine's WebAssembly module, shows what it answers and hands it
// what the address says and what a person types. Everything about a case (drawing, decoding,
// addresses, messages, help topics, names) is the module's; this script only moves texts between
// it and the page.

const byId = (id) => document.getElementById(id);
const page = byId('page');
const rows = [...byId('rows').children].map((row) => ({
    name: row.querySelector('.name'),
    hint: row.querySelector('.hint'),
    card: row.querySelector('.card-case'),
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
const helpLink = byId('help');
const entry = byId('entry');
const entryForm = byId('entry-form');
const fields = [...entryForm.querySelectorAll('input')];
const entryError = byId('entry-error');
const productTitle = document.title;
const helpPage = helpLink.getAttribute('href');

// The module's functions over its own memory, with the four imports it has: the clock, the random
// source, exit, and a note on memory growth, after which every view of the memory is made anew.
async function loadEngine() {
    let memory;
    const heap = () => new Uint8Array(memory.buffer);
    const imports = {
        env: {
            emscripten_notify_memory_growth: () => {},
            getentropy: (pointer, length) => {
                crypto.getRandomValues(heap().subarray(pointer, pointer + length));
                return 0;
            },
        },
        wasi_snapshot_preview1: {
            clock_time_get: (clock, precision, pointer) => {
                const nanoseconds = BigInt(Date.now()) * 1000000n;
                new DataView(memory.buffer).setBigUint64(pointer, nanoseconds, true);
                return 0;
            },
            proc_exit: (code) => {
                throw new Error(`the case engine ended with ${code}`);
            },
        },
    };
    const module = new URL('schattwerk.wasm', import.meta.url);
    const { instance } = await WebAssembly.instantiateStreaming(fetch(module), imports);
    const engine = instance.exports;
    memory = engine.memory;
    engine._initialize();

    const decoder = new TextDecoder();
    const encoder = new TextEncoder();
    const read = (pointer) => {
        const bytes = heap();
        return decoder.decode(bytes.subarray(pointer, bytes.indexOf(0, pointer)));
    };
    const put = (value) => {
        const encoded = encoder.encode(value);
        heap().set(encoded, engine.InputBuffer(encoded.length));
    };
    return {
        newCase: () => answer(read(engine.NewCase())),
        caseOfAddress: (fragment) => {
            put(fragment);
            return answer(read(engine.CaseOfAddress()));
        },
        decode: (typed) => {
            put(typed.join('\n'));
            return answer(read(engine.DecodeFieldTexts()));
        },
        witnessNames: () => read(engine.WitnessNames()).split('\n'),
    };
}

// An answer of the module as an object: { shown } for a case, { refusal } for a refusal, or
// neither for no case at all.
function answer(text) {
    const [kind, ...lines] = text.split('\n');
    if (kind === 'case') {
        const [address, name, numberLine, culpritName, placeName, ...rowTexts] = lines;
        const caseRows = rows.map((_, index) => rowTexts.slice(2 * index, 2 * index + 2));
        const solution = { culprit: culpritName, place: placeName };
        return { shown: { address, name, numberLine, ...solution, caseRows } };
    }
    if (kind === 'refusal') {
        const [message, field, helpTopic] = lines;
        return { refusal: { message, field: Number(field), helpTopic } };
    }
    return {};
}

// The texts before any case, as the markup has them, to return to.
const startTexts = [...document.querySelectorAll('#rows span, #solution dd, #toggle')].map(
    (element) => [element, element.textContent],
);

let shown = null;
let solutionShown = false;

// A help page's address (with an anchor or none) that carries the case shown now as its query,
// for the help's "Zur Webseite" to lead back to.
function withCase(address) {
    const [file, anchor] = address.split('#');
    const back = shown ? `?${shown.address}` : '';
    return `${file}${back}${anchor ? `#${anchor}` : ''}`;
}

// A link to the module's help topic, a page and anchor in the page's help folder.
function helpAnchor(topic) {
    const help = document.createElement('a');
    help.href = withCase(`help/${topic}`);
    help.textContent = 'Hilfe';
    return help;
}

// Says `message` under the case, with what may follow it (a help link, a button).
function say(message, ...after) {
    status.replaceChildren(message, ...after.flatMap((element) => [' ', element]));
}

function showSolution(visible) {
    solutionShown = visible;
    toggle.textContent = visible ? 'Verstecken' : 'Anzeigen';
    culprit.textContent = visible ? shown.culprit : '???';
    place.textContent = visible ? shown.place : '???';
    solutionBox.classList.toggle('shown', visible);
}

function showCase(answered, visible) {
    shown = answered;
    rows.forEach((row, index) => {
        [row.name.textContent, row.hint.textContent] = answered.caseRows[index];
        row.card.textContent = answered.name;
    });
    toggle.disabled = false;
    showSolution(visible);
    caseNumber.textContent = answered.numberLine;
    copyLink.disabled = false;
    document.title = `${answered.name} – ${productTitle}`;
    page.classList.remove('no-case');
    helpLink.href = withCase(helpPage);
    status.replaceChildren();
}

function showStart() {
    for (const [element, startText] of startTexts) {
        element.textContent = startText;
    }
    shown = null;
    solutionBox.classList.remove('shown');
    toggle.disabled = true;
    caseNumber.textContent = '';
    copyLink.disabled = true;
    document.title = productTitle;
    page.classList.add('no-case');
    helpLink.href = withCase(helpPage);
    status.replaceChildren();
}

// What the address names, with the solution hidden for a drawn case and shown for a decoded one,
// which has no case number; another spelling of the same case gives way to the case's own address.
function showAddress(engine) {
    const fragment = location.hash.slice(1);
    const { shown: answered, refusal } = engine.caseOfAddress(fragment);
    if (answered) {
        if (answered.address !== fragment) {
            history.replaceState(history.state, '', `#${answered.address}`);
        }
        const decoded = answered.numberLine === '';
        showCase(answered, decoded);
        return;
    }
    showStart();
    if (refusal) {
        say(refusal.message, helpAnchor(refusal.helpTopic));
    }
}

function focusField(field) {
    field.focus();
    field.select();
}

const filled = (field) => field.value.trim() !== '';

// The first empty field after `index`, round to the start; none when every other field is filled.
function nextEmptyField(index) {
    for (let step = 1; step < fields.length; step += 1) {
        const field = fields[(index + step) % fields.length];
        if (!filled(field)) return field;
    }
    return null;
}

// Enter confirms once no other field is empty; until then it moves on, and the phone's action key
// says which.
function markEnterKeys() {
    fields.forEach((field, index) => {
        field.enterKeyHint = nextEmptyField(index) ? 'next' : 'done';
    });
}

// The numbers of a pasted text: pieces between blanks, line breaks, commas or semicolons, and in a
// piece of digits alone, the groups of digits between any other signs ("74-34-55").
function pastedNumbers(text) {
    return text
        .split(/[\s,;]+/)
        .filter((piece) => piece !== '')
        .flatMap((piece) =>
            /^\d+(?:[^\p{L}\d]+\d+)+$/u.test(piece) ? piece.match(/\d+/g) : [piece],
        );
}

async function start() {
    let engine;
    try {
        engine = await loadEngine();
    } catch {
        const reload = document.createElement('button');
        reload.type = 'button';
        reload.textContent = 'Neu laden';
        reload.addEventListener('click', () => location.reload());
        say(
            'Der Programmkern der Seite ließ sich nicht laden. Prüfen Sie die Verbindung und ' +
                'laden Sie die Seite neu.',
            reload,
        );
        return;
    }

    generate.addEventListener('click', () => {
        const { shown: drawn } = engine.newCase();
        history.pushState(null, '', `#${drawn.address}`);
        showCase(drawn, false);
    });

    toggle.addEventListener('click', () => showSolution(!solutionShown));

    copyLink.addEventListener('click', () => {
        Promise.resolve()
            .then(() => navigator.clipboard.writeText(location.href))
            .then(
                () => say('Link kopiert.'),
                () => say(`Link: ${location.href}`),
            );
    });

    // The open form is a history entry of its own, so that Back closes it before it changes the
    // case under it. Its labels wait until it is first needed.
    let labelled = false;
    decode.addEventListener('click', () => {
        if (!labelled) {
            engine.witnessNames().forEach((name, index) => {
                fields[index].labels[0].textContent = name;
            });
            labelled = true;
        }
        for (const field of fields) {
            field.value = '';
        }
        markEnterKeys();
        entryError.replaceChildren();
        history.pushState({ form: true }, '');
        entry.showModal();
        focusField(fields[0]);
    });

    entry.addEventListener('close', () => {
        if (history.state?.form) {
            history.back();
        }
        decode.focus();
    });
    byId('entry-cancel').addEventListener('click', () => entry.close());

    entryForm.addEventListener('submit', (event) => {
        event.preventDefault();
        const { shown: decoded, refusal } = engine.decode(fields.map((field) => field.value));
        if (decoded) {
            history.replaceState(null, '', `#${decoded.address}`);
            entry.close();
            showCase(decoded, true);
            return;
        }
        // The help opens beside the form, which keeps what was typed.
        const help = helpAnchor(refusal.helpTopic);
        help.target = '_blank';
        entryError.replaceChildren(`${refusal.message} `, help);
        focusField(fields[refusal.field]);
    });

    // Two digits, a hint number's length, move on to the next field by themselves; a Tab pressed
    // right after that is the one the person meant for the move and is not taken twice.
    let movedTo = null;
    fields.forEach((field, index) => {
        field.addEventListener('focus', () => field.select());
        field.addEventListener('blur', () => {
            if (movedTo === field) movedTo = null;
        });
        field.addEventListener('keydown', (event) => {
            const tabbedAfterMove = event.key === 'Tab' && !event.shiftKey && movedTo === field;
            movedTo = null;
            if (tabbedAfterMove) {
                event.preventDefault();
            } else if (event.key === 'Enter' && !event.isComposing) {
                const next = nextEmptyField(index);
                if (next) {
                    event.preventDefault();
                    focusField(next);
                }
            }
        });
        field.addEventListener('input', (event) => {
            markEnterKeys();
            const next = fields[index + 1];
            if (next && event.inputType === 'insertText' && /^\d\d$/.test(field.value.trim())) {
                focusField(next);
                movedTo = next;
            }
        });
        // Several numbers pasted fill this field and the ones after it; what is left over stays in
        // the last field, where the engine judges it with the rest.
        field.addEventListener('paste', (event) => {
            const numbers = pastedNumbers(event.clipboardData.getData('text'));
            if (numbers.length < 2) return;
            event.preventDefault();
            const targets = fields.slice(index, index + numbers.length);
            targets.forEach((target, offset) => {
                const last = target === fields.at(-1);
                target.value = last ? numbers.slice(offset).join(' ') : numbers[offset];
            });
            markEnterKeys();
            focusField(fields[Math.min(index + numbers.length, fields.length - 1)]);
        });
    });

    addEventListener('popstate', () => {
        if (entry.open) {
            entry.close();
        }
        if (location.hash.slice(1) !== shown?.address) {
            showAddress(engine);
        }
    });

    showAddress(engine);
    generate.disabled = false;
    decode.disabled = false;
    // The worker waits until the case is on screen.
    requestAnimationFrame(() => setTimeout(watchForUpdates));
}

// Offline use needs the worker; without one (a page opened from a file) the page still works. A new
// build of the site waits until the person chooses to reload into it.
async function watchForUpdates() {
    const workers = navigator.serviceWorker;
    const registration = await workers?.register('sw.js').catch(() => null);
    if (!registration) return;
    let reloading = false;
    workers.addEventListener('controllerchange', () => {
        if (reloading) location.reload();
    });
    const offer = (worker) => {
        byId('update').hidden = false;
        byId('update-reload').onclick = () => {
            reloading = true;
            worker.postMessage('take-over');
        };
    };
    if (registration.waiting && workers.controller) {
        offer(registration.waiting);
    }
    registration.addEventListener('updatefound', () => {
        const worker = registration.installing;
        worker.addEventListener('statechange', () => {
            if (worker.state === 'installed' && workers.controller) offer(worker);
        });
    });
}

start().finally(() => document.body.classList.remove('loading'));
