// A program's window as a web page: its controls as elements at their places in the
// design, the drawing surface as a canvas, the yes/no question as a modal dialog, and
// the input held while the program is busy (a run, a question), served after it in
// order. Esc and P reach a run at its next frame: Esc stops it (and the runs that Start
// clicks made meanwhile would begin), P pauses and resumes it.
var suitePage = (function () {
  'use strict';
  const Kind = {Command: 0, Frame: 1, Option: 2, Check: 3, Label: 4, CaptionBox: 5, ParameterBox: 6, Picture: 7,
                Bar: 8};
  const kTwipsPerPixel = 15;
  const kGrey = 0xC0C0C0;
  const kStop = 1, kPauses = 2;

  let root, page, canvas, context, question;
  let design = {width: 800, height: 600}, scale = 1;
  const controls = [];  // per control of the layout: {kind, box (placed), element (carries the name), ...}
  let startButton = -1;
  let busy = false;  // the program is serving an event (a run, a question): input waits
  const held = [];  // what the user did meanwhile, in order
  let requests = 0;  // for the run: kStop, and kPauses for every P
  let describing = '';
  let runs = 0;

  const css = (rgb) => '#' + rgb.toString(16).padStart(6, '0');
  const pixels = (twips) => Math.round(twips / kTwipsPerPixel);

  function open(caption, description, width, height) {
    document.title = caption;
    design = {width: width, height: height};
    describing = description;
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
    case Kind.Command:
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
    case Kind.Option:
    case Kind.Check: {
      box = document.createElement('div');
      element = document.createElement('input');
      element.type = kind === Kind.Option ? 'radio' : 'checkbox';
      if (kind === Kind.Option)
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
    case Kind.Bar:
      box = element = document.createElement('input');
      element.type = 'range';
      element.setAttribute('aria-label', text || 'Rychlost animace');
      element.title = (text || 'Rychlost animace') + ' (vpravo pomaleji)';
      element.addEventListener('input', () => call('web_scrolled', index, Number(element.value)));
      element.addEventListener('keydown', (e) => {
        const to = keyedValue(c, e.key);
        if (to === null)
          return;
        e.preventDefault();
        if (to !== Number(element.value)) {
          element.value = to;
          call('web_scrolled', index, Number(element.value));
        }
      });
      break;
    default:  // labels, caption boxes, parameter boxes
      box = element = document.createElement('div');
      element.textContent = text;
    }
    box.classList.add(['command', 'frame', 'option', 'check', 'label', 'captionbox', 'parameter', 'formula',
                       'bar'][kind]);
    element.id = name;
    if (c.label)
      c.label.htmlFor = name;
    box.style.left = pixels(left) + 'px';
    box.style.top = pixels(top) + 'px';
    box.style.width = pixels(width) + 'px';
    box.style.height = pixels(height) + 'px';
    c.box = box;
    c.element = element;
    controls[index] = c;
    parent.appendChild(box);
  }

  function style(index, family, size, bold, back, fore, align, border) {
    const c = controls[index], s = c.box.style;
    s.fontFamily = '"' + family + '"';
    s.fontSize = size + 'px';
    s.fontWeight = bold ? 'bold' : 'normal';
    s.color = css(fore);
    if (c.kind !== Kind.Command)
      s.textAlign = ['left', 'center', 'right'][align];
    // An option on the window's grey is see-through, so a frame's caption above it stays whole.
    if (!((c.kind === Kind.Option || c.kind === Kind.Check) && back === kGrey))
      s.backgroundColor = css(back);
    if (border)
      c.box.classList.add('bordered');
  }

  function bar(index, min, max, value, singleStep, pageStep) {
    const c = controls[index];
    c.min = min; c.max = max; c.singleStep = singleStep; c.pageStep = pageStep;
    c.element.min = min;
    c.element.max = max;
    c.element.step = 1;
    c.element.value = value;
  }

  // The value a key moves a speed bar to (the arrows a step, the Page keys a page,
  // Home and End to its ends), or null for another key.
  function keyedValue(c, key) {
    const now = Number(c.element.value);
    const by = {ArrowLeft: -c.singleStep, ArrowDown: -c.singleStep, ArrowRight: c.singleStep, ArrowUp: c.singleStep,
                PageUp: -c.pageStep, PageDown: c.pageStep}[key];
    if (by !== undefined)
      return Math.min(c.max, Math.max(c.min, now + by));
    if (key === 'Home')
      return c.min;
    if (key === 'End')
      return c.max;
    return null;
  }

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
    if (c.kind === Kind.Option || c.kind === Kind.Check)
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

  function setStartButton(index) {
    startButton = index;
    const b = controls[index].element;
    b.title = 'Spustí animaci; Esc ji zastaví, P pozastaví a znovu rozběhne';
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
  // the user does waits.
  function call(name, control, value) {
    busy = true;
    const done = () => {
      busy = false;
      serveHeld();
    };
    Module.ccall(name, null, ['number', 'number'], [control, value], {async: true}).then(done, (error) => {
      console.error(error);
      done();
    });
  }

  function serveHeld() {
    while (!busy && held.length > 0)
      serve(held.shift());
  }

  // An event held during a run, as the control would have taken it then.
  function serve(act) {
    const c = controls[act.control];
    if (c.box.hidden || c.element.disabled)
      return;
    switch (c.kind) {
    case Kind.Option:
      c.element.checked = true;
      call('web_clicked', act.control, 1);
      break;
    case Kind.Check:
      c.element.checked = !c.element.checked;
      call('web_clicked', act.control, c.element.checked ? 1 : 0);
      break;
    case Kind.Bar: {
      const to = act.key !== undefined ? keyedValue(c, act.key) : act.value;
      if (to !== null && to !== Number(c.element.value)) {
        c.element.value = to;
        call('web_scrolled', act.control, Number(c.element.value));
      }
      break;
    }
    default:
      call('web_clicked', act.control, 1);
    }
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
    if (!c)
      return;
    e.preventDefault();
    e.stopPropagation();
    if (c.kind !== Kind.Bar)  // a speed bar takes its press (holdPointer)
      held.push({control: c.index});
  }

  function holdPointer(e) {
    if (!busy || question.contains(e.target))
      return;
    const c = controlOf(e.target);
    if (!c || c.kind !== Kind.Bar)
      return;
    e.preventDefault();
    const r = c.element.getBoundingClientRect();
    const at = Math.min(1, Math.max(0, (e.clientX - r.left) / Math.max(1, r.width)));
    held.push({control: c.index, value: Math.round(c.min + at * (c.max - c.min))});
  }

  function onKey(e) {
    if (!busy || question.open)
      return;
    if (e.key === 'Escape') {
      e.preventDefault();
      requests |= kStop;
      // The runs that Start clicks made meanwhile would begin are cancelled with it.
      for (let i = held.length - 1; i >= 0; --i)
        if (held[i].control === startButton)
          held.splice(i, 1);
    } else if (e.key === 'p' || e.key === 'P' || e.key === 'Pause') {
      e.preventDefault();
      requests += kPauses;
    } else {
      const c = controlOf(e.target);
      if (c && c.kind === Kind.Bar && keyedValue(c, e.key) !== null) {
        e.preventDefault();
        held.push({control: c.index, key: e.key});
      }
    }
  }

  // A frame of the run went to the screen.
  function framed() {
    const now = performance.now();
    longestGap = Math.max(longestGap, now - lastFrame);
    lastFrame = now;
  }

  function takeRequests() {
    const r = requests;
    requests = 0;
    return r;
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

  // The chosen option of every frame and the state of every check box, in reading order.
  function settingsDrawn() {
    const settings = [];
    for (const c of controls) {
      if (!c || (c.kind !== Kind.Option && c.kind !== Kind.Check) || c.box.offsetParent === null)
        continue;
      const r = c.box.getBoundingClientRect();
      const frame = c.box.parentElement.closest('fieldset');
      const caption = c.label.textContent.trim();
      if (c.kind === Kind.Option && c.element.checked)
        settings.push({r, text: (frame ? frame.querySelector('legend').textContent + ': ' : '') + caption});
      else if (c.kind === Kind.Check)
        settings.push({r, text: caption + (c.element.checked ? ': ano' : ': ne')});
    }
    settings.sort((a, b) => a.r.top - b.r.top || a.r.left - b.r.left);
    return settings.map((s) => s.text).join('; ');
  }

  // A run began, or it ended: how long it took, and how long the reference machine took.
  let began = 0, lastFrame = 0, longestGap = 0;
  function run(running, designedSeconds) {
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
    requests = 0;
    canvas.setAttribute('aria-description', describing + ' Nakresleno s nastavením: ' + settingsDrawn() + '.');
    canvas.dataset.runs = String(++runs);
  }

  // "Konec": back to the launcher.
  function close() { window.location.assign('index.html'); }

  return {open, viewport, setScale, control, style, bar, setText, setChecked, setPlace, setShown, setColour,
          setStartButton, shown, paint, framed, takeRequests, ask, run, close};
})();

if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch(() => {});
