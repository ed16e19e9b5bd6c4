// A program's window as a web page: its controls as elements at their places in the
// design, the drawing surface as a canvas, the yes/no question as a modal dialog. While
// the program is busy (a run, a question) the user's input goes to the run's input in
// the program, which steers the run with Esc and P and serves the rest after it, in
// order. Kind, RunKey, BarKey and Verdict are the program's own (page_constants.js).
var suitePage = (function () {
  'use strict';

  let root, page, canvas, context, question;
  let design = {width: 800, height: 600}, scale = 1;
  const controls = [];  // per control of the layout: {kind, box (placed), element (carries the name), ...}
  let busy = false;  // the program is serving an event (a run, a question)
  let runs = 0;

  const css = (rgb) => '#' + rgb.toString(16).padStart(6, '0');

  function open(caption, description, width, height) {
    document.title = caption;
    design = {width: width, height: height};
    root = document.getElementById('window');
    page = document.createElement('div');
    page.id = 'page';
    canvas = document.createElement('canvas');
    canvas.id = 'picture';
    canvas.setAttribute('role', 'img');
    canvas.setAttribute('aria-label', caption);
    canvas.setAttribute('aria-description', description);
    page.appendChild(canvas);
    root.appendChild(page);
    question = document.getElementById('question');
    document.addEventListener('click', holdClick, true);
    document.addEventListener('pointerdown', holdPointer, true);
    document.addEventListener('keydown', onKey, true);
    window.addEventListener('resize', place);
  }

  function viewport() { return {width: window.innerWidth, height: window.innerHeight}; }

  // The design magnified by `scale`, centred where the viewport leaves room, on whole
  // device pixels; the canvas holds `width` x `height` device pixels.
  function setScale(s, width, height, back) {
    scale = s;
    page.style.width = design.width + 'px';
    page.style.height = design.height + 'px';
    page.style.transform = 'scale(' + s + ')';
    canvas.width = width;
    canvas.height = height;
    canvas.style.width = design.width + 'px';
    canvas.style.height = design.height + 'px';
    context = canvas.getContext('2d', {alpha: false});
    context.fillStyle = css(back);
    context.fillRect(0, 0, width, height);
    place();
  }

  function place() {
    const dpr = window.devicePixelRatio || 1, v = viewport();
    const w = design.width * scale, h = design.height * scale;
    const onDevice = (room) => Math.max(0, Math.round(room / 2 * dpr) / dpr);
    root.style.width = w + 'px';
    root.style.height = h + 'px';
    root.style.left = onDevice(v.width - w) + 'px';
    root.style.top = onDevice(v.height - h) + 'px';
  }

  function control(index, kind, name, text, frame, left, top, width, height) {
    const parent = frame >= 0 ? controls[frame].box : page;
    const c = {kind: kind, index: index};
    let box, element;
    switch (kind) {
    case Kind.CommandButton:
      box = element = document.createElement('button');
      element.type = 'button';
      element.textContent = text;
      element.addEventListener('click', () => call('web_clicked', index, 1));
      break;
    case Kind.Frame:
      box = element = document.createElement('fieldset');
      c.legend = document.createElement('legend');
      c.legend.textContent = text;
      element.appendChild(c.legend);
      break;
    case Kind.OptionButton:
    case Kind.CheckBox: {
      box = document.createElement('div');
      element = document.createElement('input');
      element.type = kind === Kind.OptionButton ? 'radio' : 'checkbox';
      if (kind === Kind.OptionButton)
        element.name = 'options-' + frame;
      c.label = document.createElement('label');
      c.label.textContent = text;
      box.append(element, c.label);
      element.addEventListener('click', () => call('web_clicked', index, element.checked ? 1 : 0));
      break;
    }
    case Kind.Picture:
      box = element = document.createElement('div');
      element.innerHTML = text;  // the program's own formula, as rich text
      break;
    case Kind.HScrollBar:
      // Its keys move it as the program says (the arrows by a step, the Page keys by a page).
      box = element = document.createElement('input');
      element.type = 'range';
      element.addEventListener('input', () => {
        if (busy) {
          // A drag the browser let through while the program is busy (a finger on the bar): it
          // waits like a press, and the bar stays where the program has it until it is served.
          Module._web_held_bar_move(index, Number(element.value));
          element.value = c.value;
          return;
        }
        c.value = Number(element.value);
        call('web_scrolled', index, c.value);
      });
      element.addEventListener('keydown', (e) => {
        if (busy || barKeys[e.key] === undefined)
          return;
        e.preventDefault();
        call('web_bar_key', index, barKeys[e.key]);
      });
      break;
    case Kind.Label:
    case Kind.CaptionBox:
    case Kind.ParameterBox:
      box = element = document.createElement('div');
      element.textContent = text;
      break;
    default:
      throw new Error('a control of an unknown kind: ' + name);
    }
    box.classList.add(kindClass[kind]);
    element.id = name;
    if (c.label)
      c.label.htmlFor = name;
    box.style.left = left + 'px';
    box.style.top = top + 'px';
    box.style.width = width + 'px';
    box.style.height = height + 'px';
    c.box = box;
    c.element = element;
    controls[index] = c;
    parent.appendChild(box);
  }

  // The class of a control's box, by its kind (suite.css).
  const kindClass = {[Kind.CommandButton]: 'command', [Kind.Frame]: 'frame', [Kind.OptionButton]: 'option',
                     [Kind.CheckBox]: 'check', [Kind.Label]: 'label', [Kind.CaptionBox]: 'captionbox',
                     [Kind.ParameterBox]: 'parameter', [Kind.Picture]: 'formula', [Kind.HScrollBar]: 'bar'};
  // The browser's names of the keys the program tells apart.
  const runKeys = {Escape: RunKey.Escape, p: RunKey.P, P: RunKey.P, Pause: RunKey.Pause, k: RunKey.Step, K: RunKey.Step};
  const barKeys = {ArrowLeft: BarKey.Left, ArrowRight: BarKey.Right, ArrowUp: BarKey.Up, ArrowDown: BarKey.Down,
                   PageUp: BarKey.PageUp, PageDown: BarKey.PageDown, Home: BarKey.Home, End: BarKey.End};

  // seeThrough: the control lets the window's grey show through (a frame's caption above it stays whole).
  function style(index, family, size, bold, back, seeThrough, fore, align, border) {
    const c = controls[index], s = c.box.style;
    s.fontFamily = '"' + family + '"';
    s.fontSize = size + 'px';
    s.fontWeight = bold ? 'bold' : 'normal';
    s.color = css(fore);
    if (c.kind !== Kind.CommandButton)
      s.textAlign = ['left', 'center', 'right'][align];
    if (!seeThrough)
      s.backgroundColor = css(back);
    if (border)
      c.box.classList.add('bordered');
  }

  function bar(index, min, max, value, name, tip) {
    const c = controls[index];
    c.min = min; c.max = max;
    c.element.min = min;
    c.element.max = max;
    c.element.step = 1;
    c.element.value = c.value = value;
    c.element.setAttribute('aria-label', name);
    c.element.title = tip;
  }

  function setValue(index, value) { controls[index].element.value = controls[index].value = value; }

  function setText(index, text) {
    const c = controls[index];
    if (c.kind === Kind.Frame)
      c.legend.textContent = text;
    else if (c.label)
      c.label.textContent = text;
    else
      c.element.textContent = text;
  }

  function setChecked(index, checked) {
    const c = controls[index];
    if (c.kind === Kind.OptionButton || c.kind === Kind.CheckBox)
      c.element.checked = !!checked;
  }

  function setPlace(index, left, top) {
    const s = controls[index].box.style;
    if (!Number.isNaN(left))
      s.left = left + 'px';
    if (!Number.isNaN(top))
      s.top = top + 'px';
  }

  function setShown(index, shown) { controls[index].box.hidden = !shown; }
  function setColour(index, back) { controls[index].box.style.backgroundColor = css(back); }

  function setStartButton(index, tip) {
    const b = controls[index].element;
    b.title = tip;
    b.focus();
  }

  // The window is made: its controls stand and the picture shows what it has.
  function shown() {
    canvas.dataset.runs = '0';
    performance.mark('window-shown');
  }

  function paint(bytes, x, y, width, height) {
    context.putImageData(new ImageData(bytes, width, height), x, y);
  }

  // ---------------------------------------------------------------- the program's events

  // Hands one event to the program; while it serves it (a run may take seconds), what
  // the user does goes to the run's input.
  function call(name, control, value) {
    if (busy)  // never into the program while it sleeps in another call
      return;
    busy = true;
    const done = () => { busy = false; };
    Module.ccall(name, null, ['number', 'number'], [control, value], {async: true}).then(done, (error) => {
      console.error(error);
      done();
    });
  }

  // The control an event on the page is meant for, or undefined.
  function controlOf(target) {
    if (!(target instanceof Element))
      return undefined;
    const label = target.closest('label[for]');
    const element = label ? document.getElementById(label.htmlFor) : target.closest('button, input');
    return controls.find((c) => c && c.element === element);
  }

  function holdClick(e) {
    if (!busy || question.contains(e.target))
      return;
    const c = controlOf(e.target);
    if (!c || c.kind === Kind.HScrollBar)  // a speed bar takes its press (holdPointer)
      return;
    e.preventDefault();
    e.stopPropagation();
    Module._web_held_click(c.index);
  }

  function holdPointer(e) {
    if (!busy || question.contains(e.target))
      return;
    const c = controlOf(e.target);
    if (!c || c.kind !== Kind.HScrollBar)
      return;
    const r = c.element.getBoundingClientRect();
    const at = Math.min(1, Math.max(0, (e.clientX - r.left) / Math.max(1, r.width)));
    e.preventDefault();
    Module._web_held_bar_move(c.index, Math.round(c.min + at * (c.max - c.min)));
  }

  function onKey(e) {
    if (!busy || question.open)
      return;
    if (runKeys[e.key] !== undefined) {
      const verdict = Module._web_key(runKeys[e.key], e.repeat ? 1 : 0, e.ctrlKey || e.altKey || e.metaKey ? 1 : 0);
      if (verdict !== Verdict.Now)
        e.preventDefault();
      return;
    }
    const c = controlOf(e.target);
    if (c && c.kind === Kind.HScrollBar && barKeys[e.key] !== undefined) {
      e.preventDefault();
      Module._web_held_bar_key(c.index, barKeys[e.key]);
    }
  }

  // A frame of the run went to the screen.
  function framed() {
    const now = performance.now();
    longestGap = Math.max(longestGap, now - lastFrame);
    lastFrame = now;
  }

  // The yes/no question, titled with the program's title: true for "Ano". Esc answers "Ne".
  function ask(title, text) {
    question.querySelector('.title').textContent = title;
    question.querySelector('.question').textContent = text;
    question.returnValue = '';
    return new Promise((resolve) => {
      question.addEventListener('close', () => resolve(question.returnValue === 'ano'), {once: true});
      question.showModal();
      question.querySelector('#ano').focus();
    });
  }

  // A run began, or it ended: how long it took, and how long the reference machine took.
  let began = 0, lastFrame = 0, longestGap = 0;
  function run(running, designedSeconds, description) {
    canvas.setAttribute('aria-busy', running ? 'true' : 'false');
    if (running) {
      began = lastFrame = performance.now();
      longestGap = 0;
      return;
    }
    framed();
    canvas.dataset.seconds = ((performance.now() - began) / 1000).toFixed(3);
    canvas.dataset.longestFrameGap = longestGap.toFixed(1);  // milliseconds between two frames
    canvas.dataset.designedSeconds = designedSeconds.toFixed(3);
    canvas.setAttribute('aria-description', description);
    canvas.dataset.runs = String(++runs);
  }

  // "Konec": back to the launcher.
  function close() { window.location.assign('index.html'); }

  return {open, viewport, setScale, control, style, bar, setValue, setText, setChecked, setPlace, setShown, setColour,
          setStartButton, shown, paint, framed, ask, run, close};
})();

if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch(() => {});
