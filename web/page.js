// The page's script. It draws the window model that the engine (WebAssembly, web/Engine.cpp)
// computes and passes the user's picks and ticks in: it knows the controls by name and kind, and
// every rule of the estimate is the engine's. It also carries the chrome a page can have: the
// About window, the links, the close glyph and the drag. build-page.mjs runs showState() too, to
// write the page in its start state.
'use strict';

const AmporaPage = (() => {
    // Draws one control as the model has it.
    function showState(element, kind, state) {
        element.hidden = !state.visible;
        switch (kind) {
            case 'selector':
                element.disabled = !state.enabled;
                element.selectedIndex = state.item;
                break;
            case 'tick-box':
                element.disabled = !state.enabled;
                element.checked = state.ticked;
                break;
            case 'label':
                element.dataset.greyed = String(!state.enabled);
                element.textContent = state.caption;
                if (state.toolTip) element.title = state.toolTip;
                break;
            case 'line':
                element.style.background = state.colour;
                break;
        }
    }

    // Narrower than the window, the screen gets the window scaled to its width: the width of the
    // page's layout, which a phone keeps at the screen's (the visual width would grow to the
    // window's as the phone zooms out to show it whole).
    function scale() {
        return Math.min(1, document.documentElement.clientWidth / 425);
    }
    function fitToScreen() {
        document.documentElement.style.setProperty('--scale', String(scale()));
    }

    // Runs work once the page's first frame is on screen (any sooner, and it would hold that
    // frame back), as the browser reports the frame painted.
    function afterFirstFrame(work) {
        if (!PerformanceObserver.supportedEntryTypes?.includes('paint'))
            return requestAnimationFrame(() => setTimeout(work));
        new PerformanceObserver((entries, observer) => {
            observer.disconnect();
            setTimeout(work);
        }).observe({ type: 'paint', buffered: true });
    }

    // The page is written in the start state: the engine starts once that is on screen, and the
    // picks and ticks made before it is ready wait for it.
    function start() {
        let engine = null;
        const call = (name, ...args) =>
            engine.ccall(name, 'string', args.map((arg) => typeof arg), args);
        const waiting = [];
        function answer() {
            for (const [verb, name, value] of waiting.splice(0)) call(verb, name, value);
            const changes = JSON.parse(call('ampora_changes'));
            for (const [name, state] of Object.entries(changes.controls)) {
                const element = document.getElementById(name);
                showState(element, element.classList[0], state);
            }
            const spoken = document.getElementById('spokenEstimate');
            if (spoken.textContent !== changes.spokenEstimate)
                spoken.textContent = changes.spokenEstimate;
        }
        for (const element of document.querySelectorAll('#Form1 > select, #Form1 > input'))
            element.addEventListener('change', () => {
                const select = element.tagName === 'SELECT';
                waiting.push(select ? ['ampora_pick', element.id, element.selectedIndex]
                    : ['ampora_tick', element.id, element.checked ? 1 : 0]);
                if (engine) answer();
            });
        afterFirstFrame(() => {
            engine = AmporaEngine(); // compiled at once
            // The page shows each selector's chosen item alone: the lists come with the engine.
            for (const [name, items] of Object.entries(JSON.parse(call('ampora_layout')).items))
                document.getElementById(name).replaceChildren(...items.map((item) => new Option(item)));
            call('ampora_load');
            answer();
        });
        startChrome(document.getElementById('Form1'), document.getElementById('Form3'));
    }

    function startChrome(form1, form3) {
        const byId = (id) => document.getElementById(id);

        // Whichever window the user works in comes to the front.
        let frontmost = 1;
        for (const pane of [form1, form3])
            for (const event of ['pointerdown', 'focusin'])
                pane.addEventListener(event, () => (pane.style.zIndex = String(++frontmost)));

        // "?" and "关于": the About window, modeless, one at a time, afresh each time it opens.
        let opener = null;
        function showAbout(event) {
            if (form3.hidden) {
                byId('Form3-Text1').scrollTop = 0;
                form3.hidden = false;
                opener = event.currentTarget;
            }
            byId('Form3-Text1').focus();
        }
        function closeAbout() {
            if (form3.contains(document.activeElement)) opener.focus();
            form3.hidden = true;
        }
        byId('Label822').addEventListener('click', showAbout);
        byId('labelf4if').addEventListener('click', showAbout);
        byId('Form3-Label2').addEventListener('click', closeAbout);
        form3.addEventListener('keydown', (event) => event.key === 'Escape' && closeAbout());

        // A link turns cyan while pressed and takes the system's window colour on release; the
        // browser opens it in a new tab.
        for (const link of [byId('Label1L'), byId('Label2l')])
            link.addEventListener('pointerdown', () => {
                link.classList.add('pressed');
                addEventListener('pointerup', () => link.classList.replace('pressed', 'released'),
                    { once: true });
            });

        // "X" ends the program, both windows with it, and asks the browser to close the tab. It
        // closes only a tab or window that a script opened, or that has shown nothing but this
        // page; any other stays, and offers a fresh start.
        byId('Label7').addEventListener('click', () => {
            form1.remove();
            form3.remove();
            window.close();
            setTimeout(() => (byId('closed').hidden = false));
        });
        byId('reopen').addEventListener('click', () => location.reload());

        // Dragged by its background with the mouse, the window moves within the page, which is
        // its desktop: no page can move the browser's own window. A finger scrolls the page.
        const background = byId('Image2');
        background.addEventListener('pointerdown', (down) => {
            if (down.pointerType !== 'mouse' || down.button !== 0 || scale() < 1) return;
            const grip = { x: down.pageX - form1.offsetLeft, y: down.pageY - form1.offsetTop };
            const desktop = form1.parentElement;
            const within = (value, room) => Math.round(Math.min(Math.max(value, 0), Math.max(room, 0)));
            const follow = (move) => {
                form1.style.left = `${within(move.pageX - grip.x, desktop.clientWidth - form1.offsetWidth)}px`;
                form1.style.top = `${within(move.pageY - grip.y, desktop.clientHeight - form1.offsetHeight)}px`;
            };
            background.setPointerCapture(down.pointerId);
            background.addEventListener('pointermove', follow);
            background.addEventListener('lostpointercapture',
                () => background.removeEventListener('pointermove', follow), { once: true });
        });
    }

    if (typeof document !== 'undefined') {
        fitToScreen();
        addEventListener('resize', fitToScreen);
        start();
    }
    return { showState };
})();
