// The page's script: starts the case engine's WebAssembly module, shows what it answers and hands
// it what the address says and what a person types. Everything about a case (drawing, decoding,
// addresses, messages, help topics, names) is the module's; this script only moves texts between it
// and the page. It runs as the last thing the page's markup holds, so that a case may be shown
// before the page's first frame is drawn.

'use strict';

{
    const byId = (id) => document.getElementById(id);
    const page = byId('page');
    const rows = [...byId('rows').children].map((row) => ({
        name: row.querySelector('.name'),
        hint: row.querySelector('.hint'),
    }));
    const cardCases = [...document.querySelectorAll('.card-case')];
    const solutionBox = byId('solution');
    const culprit = byId('culprit');
    const place = byId('place');
    const toggle = byId('toggle');
    const generate = byId('generate');
    const decode = byId('decode');
    const copyLink = byId('copy-link');
    const caseLine = byId('case-number');
    const message = byId('message');
    const status = byId('status');
    const helpLink = byId('help');
    const entry = byId('entry');
    const entryForm = byId('entry-form');
    const fields = [...entryForm.querySelectorAll('input')];
    const entryError = byId('entry-error');
    const productTitle = document.title;
    const helpPage = helpLink.getAttribute('href');

    // How long the engine may take before the page says it is loading, and before it gives up
    // waiting.
    const loadingNoteAfterMs = 500;
    const engineWaitMs = 10000;

    // The module that the page's head began to fetch and compile, instantiated with the four
    // imports it has: the clock, the random source, exit, and a note on memory growth, after which
    // every view of the memory is made anew.
    async function startEngine(compiled) {
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
        // Made at once rather than in a task of its own, so that a case can be on screen in the
        // page's first frame.
        const engine = new WebAssembly.Instance(await compiled, imports).exports;
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
            const [address, name, line, solution, culpritName, placeName, ...rowTexts] = lines;
            const caseRows = rows.map((_, index) => rowTexts.slice(2 * index, 2 * index + 2));
            return {
                shown: {
                    address,
                    name,
                    line,
                    opensSolved: solution === 'shown',
                    culprit: culpritName,
                    place: placeName,
                    caseRows,
                },
            };
        }
        if (kind === 'refusal') {
            const [text, field, helpTopic] = lines;
            return { refusal: { message: text, field: Number(field), helpTopic } };
        }
        return {};
    }

    // The texts before any case, as the markup has them, to return to.
    const startTexts = [...document.querySelectorAll('#rows span, #solution dd, #toggle')].map(
        (element) => [element, element.textContent],
    );

    let shown = null;
    let solutionShown = false;
    // What was typed into the form last, kept until a decode succeeds.
    let typed = history.state?.typed ?? fields.map(() => '');

    // Each history entry remembers the view it showed: the solution shown or hidden, the form open
    // or closed, and what was typed, so that Back, Forward and a tab the phone discarded come back
    // as they were.
    function rememberView(view) {
        history.replaceState({ ...history.state, ...view }, '');
    }

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

    function reloadButton() {
        const reload = document.createElement('button');
        reload.type = 'button';
        reload.textContent = 'Neu laden';
        reload.addEventListener('click', () => location.reload());
        return reload;
    }

    // Says `text` at the top of the page, with what may follow it (a help link, a button); no text
    // clears it.
    function say(text = '', ...after) {
        message.replaceChildren(text, ...after.flatMap((element) => [' ', element]));
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
        });
        for (const card of cardCases) {
            card.textContent = answered.name;
        }
        toggle.disabled = false;
        showSolution(visible);
        caseLine.textContent = answered.line;
        copyLink.disabled = false;
        document.title = `${answered.name} – ${productTitle}`;
        page.classList.remove('no-case');
        helpLink.href = withCase(helpPage);
        say();
    }

    function showStart() {
        for (const [element, startText] of startTexts) {
            element.textContent = startText;
        }
        shown = null;
        solutionBox.classList.remove('shown');
        toggle.disabled = true;
        caseLine.textContent = '';
        copyLink.disabled = true;
        document.title = productTitle;
        page.classList.add('no-case');
        helpLink.href = withCase(helpPage);
        say();
    }

    // What the address names, its solution as the history entry remembers it, else hidden for a
    // drawn case and shown for a decoded one; another spelling of the same case gives way to the
    // case's own address.
    function showAddress(engine, solution) {
        const fragment = location.hash.slice(1);
        const { shown: answered, refusal } = engine.caseOfAddress(fragment);
        if (answered) {
            if (answered.address !== fragment) {
                history.replaceState(history.state, '', `#${answered.address}`);
            }
            showCase(answered, solution ?? answered.opensSolved);
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

    // The first empty field after `index`, round to the start; none when every other field is
    // filled.
    function nextEmptyField(index) {
        for (let step = 1; step < fields.length; step += 1) {
            const field = fields[(index + step) % fields.length];
            if (!filled(field)) return field;
        }
        return null;
    }

    // Enter confirms once no other field is empty; until then it moves on, and the phone's action
    // key says which.
    function markEnterKeys() {
        fields.forEach((field, index) => {
            field.enterKeyHint = nextEmptyField(index) ? 'next' : 'done';
        });
    }

    function keepTyped() {
        typed = fields.map((field) => field.value);
        rememberView({ typed });
    }

    // Says `text` in the form right under `field`; a refusal also marks the field as the one at
    // fault, for screen readers too. Both stay in view above a phone's keyboard.
    function sayAtField(field, text, refused) {
        for (const other of fields) {
            other.removeAttribute('aria-invalid');
            other.removeAttribute('aria-describedby');
        }
        entryError.replaceChildren(...text);
        if (!field) return;
        field.after(entryError);
        field.setAttribute('aria-describedby', entryError.id);
        if (refused) field.setAttribute('aria-invalid', 'true');
        entryError.scrollIntoView({ block: 'nearest' });
        field.scrollIntoView({ block: 'nearest' });
    }

    // The hint numbers in a pasted text, whatever else it holds: "Hinweise: 74 34 ...", the page's
    // case name or link, rows with the witnesses' names, any separators. A numbered list's own
    // numbers (a line's leading "1." or "2)") and a link's address up to its fragment are no hints.
    function hintNumbersIn(text) {
        return text
            .replace(/[a-z][\w+.-]*:\/\/[^\s#]*/gi, ' ')
            .replace(/^[^\S\n]*\d+[.)][^\S\n]+(?=\S)/gm, '')
            .match(/\d+/g) ?? [];
    }

    // Puts pasted numbers into the fields: eight fill the form from the first field wherever they
    // were pasted, a few fill this field and the ones after it; more or fewer than eight are said
    // with the numbers found, which stay in the fields to be corrected. One number, or text without
    // any, is pasted as typed.
    function pasteNumbers(event, index) {
        const text = event.clipboardData.getData('text');
        const numbers = hintNumbersIn(text);
        if (numbers.length === 0 || /^\s*\d+\s*$/.test(text)) return;
        event.preventDefault();
        const fitsFromHere =
            numbers.length < fields.length && index + numbers.length <= fields.length;
        const first = fitsFromHere ? index : 0;
        const targets = fields.slice(first, first + numbers.length);
        targets.forEach((target, offset) => {
            target.value = numbers[offset];
        });
        markEnterKeys();
        keepTyped();
        const next = fields[Math.min(first + targets.length, fields.length - 1)];
        focusField(next);
        if (numbers.length === 1 || numbers.length === fields.length) {
            sayAtField(null, []);
            return;
        }
        const listed = numbers.slice(0, 16).join(' ') + (numbers.length > 16 ? ' …' : '');
        const correct =
            numbers.length > fields.length
                ? 'Die ersten acht stehen in den Feldern; berichtigen Sie, was nicht dazugehört.'
                : 'Ergänzen Sie die fehlenden Hinweisnummern.';
        const found = `Im eingefügten Text stehen ${numbers.length} Zahlen statt acht: ${listed}.`;
        sayAtField(next, [`${found} ${correct}`], false);
    }

    // The failure replaces the note that the engine is loading.
    function failedToStart(text) {
        caseLine.textContent = '';
        say(text, reloadButton());
    }

    // The engine as the page's head began it, or a message at the top when it does not come: a
    // quiet note after a moment, and after a while, or when it fails, what happened and "Neu
    // laden". A failed load is a connection's; a file that comes but does not compile is not.
    async function engineOnceStarted() {
        const loadingNote = setTimeout(() => {
            caseLine.textContent = 'Der Programmkern wird geladen …';
        }, loadingNoteAfterMs);
        const gaveUp = setTimeout(
            () =>
                failedToStart(
                    'Der Programmkern der Seite kommt nicht an. Prüfen Sie die Verbindung und ' +
                        'laden Sie die Seite neu.',
                ),
            engineWaitMs,
        );
        try {
            return await startEngine(self.engineCompiled);
        } catch (error) {
            failedToStart(
                error instanceof TypeError
                    ? 'Der Programmkern der Seite ließ sich nicht laden. Prüfen Sie die ' +
                          'Verbindung und laden Sie die Seite neu.'
                    : 'Der Programmkern der Seite lässt sich nicht starten: Die geladene Datei ' +
                          'ist fehlerhaft, oder dieser Browser führt kein WebAssembly aus. Laden ' +
                          'Sie die Seite neu; bleibt diese Meldung, versuchen Sie einen anderen ' +
                          'Browser.',
            );
            return null;
        } finally {
            clearTimeout(loadingNote);
            clearTimeout(gaveUp);
            caseLine.textContent = '';
        }
    }

    async function start() {
        const engine = await engineOnceStarted();
        if (!engine) return;

        generate.addEventListener('click', () => {
            const { shown: drawn } = engine.newCase();
            history.pushState({ solution: false, typed }, '', `#${drawn.address}`);
            showCase(drawn, false);
        });

        toggle.addEventListener('click', () => {
            showSolution(!solutionShown);
            rememberView({ solution: solutionShown });
        });

        copyLink.addEventListener('click', () => {
            Promise.resolve()
                .then(() => navigator.clipboard.writeText(location.href))
                .then(
                    () => status.replaceChildren('Link kopiert.'),
                    () => status.replaceChildren(`Link: ${location.href}`),
                );
        });

        // The open form is a history entry of its own, so that Back closes it before it changes the
        // case under it, and Forward opens it again. Its labels wait until it is first needed.
        let labelled = false;
        const openForm = () => {
            if (!labelled) {
                engine.witnessNames().forEach((name, index) => {
                    fields[index].labels[0].textContent = name;
                });
                labelled = true;
            }
            fields.forEach((field, index) => {
                field.value = typed[index];
            });
            markEnterKeys();
            sayAtField(null, []);
            entry.showModal();
            focusField(fields[0]);
        };
        decode.addEventListener('click', () => {
            history.pushState({ ...history.state, form: true, typed }, '');
            openForm();
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
                typed = fields.map(() => '');
                history.replaceState({ solution: true }, '', `#${decoded.address}`);
                entry.close();
                showCase(decoded, true);
                return;
            }
            // The help opens beside the form, which keeps what was typed.
            const help = helpAnchor(refusal.helpTopic);
            help.target = '_blank';
            const field = fields[refusal.field];
            focusField(field);
            sayAtField(field, [`${refusal.message} `, help], true);
        });

        // Two digits, a hint number's length, move on to the next field by themselves; a Tab
        // pressed right after that is the one the person meant for the move and is not taken twice.
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
                keepTyped();
                const next = fields[index + 1];
                if (next && event.inputType === 'insertText' && /^\d\d$/.test(field.value.trim())) {
                    focusField(next);
                    movedTo = next;
                }
            });
            field.addEventListener('paste', (event) => pasteNumbers(event, index));
        });

        addEventListener('popstate', () => {
            const view = history.state ?? {};
            if (location.hash.slice(1) !== shown?.address) {
                showAddress(engine, view.solution);
            } else if (shown) {
                showSolution(view.solution ?? shown.opensSolved);
            }
            if (view.form && !entry.open) {
                openForm();
            } else if (!view.form) {
                if (entry.open) entry.close();
                rememberView({ typed });
            }
        });

        showAddress(engine);
        // A reload shows the solution as a first visit does; the entry remembers what it shows.
        if (history.state?.solution !== undefined && history.state.solution !== solutionShown) {
            rememberView({ solution: solutionShown });
        }
        generate.disabled = false;
        decode.disabled = false;
        if (history.state?.form) {
            openForm();
        }
        // The worker waits until the case is on screen.
        requestAnimationFrame(() => setTimeout(watchForUpdates));
    }

    // Offline use needs the worker; without one (a page opened from a file) the page still works. A
    // new build of the site waits until the person chooses to reload into it, in any tab; a tab
    // that comes back to the foreground asks whether there is one.
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
                // Another tab may have let the new build take over already.
                if (worker.state !== 'installed') {
                    location.reload();
                    return;
                }
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
        document.addEventListener('visibilitychange', () => {
            if (document.visibilityState === 'visible') registration.update().catch(() => {});
        });
    }

    start();
}
