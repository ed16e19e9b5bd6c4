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

  const kRedrawAfter = 150;  // ms the viewport keeps its size before the picture is drawn again
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
    window.addEventListener('resize', refit);
    watchPixelRatio();
  }

  // The window fits the viewport again when its size or pixel ratio changes (a rotation,
  // browser zoom, another screen); during a run the program does it as the run ends.
  let redrawSoon = 0;
  function refit() {
    if (typeof Module !== 'undefined' && Module._web_refit) {
      const fitting = performance.now();
      Module._web_refit();
      canvas.dataset.refitMs = (performance.now() - fitting).toFixed(1);
      // The picture, resampled at once, is drawn again exactly when the size settles.
      clearTimeout(redrawSoon);
      canvas.dataset.redrawn = 'no';
      let began = 0;  // the first part's time
      const redrawPart = () => {
        began = began || performance.now();
        if (!Module._web_redraw()) {
          redrawSoon = setTimeout(redrawPart, 0);  // the next part once the page's events are served
          return;
        }
        canvas.dataset.redrawMs = (performance.now() - began).toFixed(1);
        canvas.dataset.redrawn = 'yes';
      };
      redrawSoon = setTimeout(redrawPart, kRedrawAfter);
    }
    place();
    placeRunBar();
    placePageBar();
  }

  function watchPixelRatio() {
    const ratio = window.devicePixelRatio || 1;
    window.matchMedia('(resolution: ' + ratio + 'dppx)').addEventListener('change', () => {
      refit();
      watchPixelRatio();
    }, {once: true});
  }

  function viewport() { return {width: window.innerWidth, height: window.innerHeight}; }

  // The design magnified by `scale`, centred where the viewport leaves room, on whole
  // device pixels; the canvas holds `width` x `height` device pixels. On a phone the
  // design runs across the viewport's width, its controls arranged below it (arrange).
  function setScale(s, width, height, back, onPhone) {
    scale = s;
    arrange(!!onPhone);
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
    const onDevice = (room) => phone ? 0 : Math.max(0, Math.round(room / 2 * dpr) / dpr);
    root.style.width = w + 'px';
    root.style.height = h + 'px';
    root.style.left = onDevice(v.width - w) + 'px';
    root.style.top = onDevice(v.height - h) + 'px';
    placePageBar();
  }

  // ---------------------------------------------------------------- the phone's page

  // A viewport narrower than this gets the phone's page: the picture across its width,
  // and below it the controls a finger operates, in the order of the layout, with Start
  // and the other buttons in a bar at the foot of the screen.
  const kPhoneWidth = 600;  // CSS pixels
  let phone = false, panel = null, actions = null;
  const operated = [Kind.CommandButton, Kind.Frame, Kind.OptionButton, Kind.CheckBox, Kind.HScrollBar];

  function wantsPhone() { return viewport().width < kPhoneWidth; }

  // The same controls, moved: out of the design into the panel and the button bar, or
  // back to their places (a placeholder keeps each place).
  function arrange(onPhone) {
    if (onPhone === phone)
      return;
    phone = onPhone;
    document.body.classList.toggle('phone', phone);
    if (phone) {
      panel = document.createElement('div');
      panel.id = 'panel';
      actions = document.createElement('div');
      actions.id = 'actions';
      for (const c of controls) {
        if (!c || c.box.parentNode !== page || !operated.includes(c.kind))
          continue;
        c.home = document.createComment(c.element.id);
        page.replaceChild(c.home, c.box);
        if (c.kind === Kind.CommandButton) {
          actions.appendChild(c.box);
        } else if (c.kind === Kind.HScrollBar) {
          const row = document.createElement('div');
          row.className = 'barRow';
          const name = document.createElement('label');
          name.htmlFor = c.element.id;
          name.textContent = c.element.getAttribute('aria-label');
          row.append(name, c.box);
          panel.appendChild(row);
        } else {
          panel.appendChild(c.box);
        }
      }
      if (pageBar)
        panel.prepend(pageBar);
      document.body.insertBefore(panel, root.nextSibling);
      document.body.appendChild(actions);
    } else {
      for (const c of controls)
        if (c && c.home) {
          c.home.replaceWith(c.box);
          c.home = null;
        }
      if (pageBar)
        document.body.appendChild(pageBar);
      panel.remove();
      actions.remove();
      panel = actions = null;
    }
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
          // A move while the program is busy: a speed bar takes it at once during a run;
          // otherwise it waits like a press, and the bar stays where the program has it
          // until it is served.
          if (Module._web_held_bar_move(index, Number(element.value)) === Verdict.Now) {
            Module._web_speed(index);
            wakeTheRun();
          }
          element.value = c.value;
          return;
        }
        c.value = Number(element.value);
        call('web_scrolled', index, c.value, () => Module._web_speed(index));
      });
      // Its setting against the start-up speed, told when it is looked at.
      element.addEventListener('pointerenter', () => Module._web_speed(index));
      element.addEventListener('focus', () => Module._web_speed(index));
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

  function bar(index, min, max, value, name) {
    const c = controls[index];
    c.min = min; c.max = max;
    c.element.min = min;
    c.element.max = max;
    c.element.step = 1;
    c.element.value = c.value = value;
    c.element.setAttribute('aria-label', name);
  }

  // A speed bar's setting as a factor of the start-up speed: its tooltip and what
  // assistive technology reads as its value.
  function speed(index, text, tip) {
    const e = controls[index].element;
    e.title = tip;
    e.setAttribute('aria-valuetext', text);
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
    if (phone) {  // the controls were made after the page was arranged for the phone
      arrange(false);
      arrange(true);
    }
    canvas.dataset.runs = '0';
    performance.mark('window-shown');
  }

  function paint(bytes, x, y, width, height) {
    context.putImageData(new ImageData(bytes, width, height), x, y);
  }

  // ---------------------------------------------------------------- the program's events

  // Hands one event to the program; while it serves it (a run may take seconds), what
  // the user does goes to the run's input.
  function call(name, control, value, then) {
    if (busy)  // never into the program while it sleeps in another call
      return;
    busy = true;
    const done = () => {
      busy = false;
      if (then)
        then();
    };
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
    // A speed bar takes the press now (and the drag that follows); any other waits.
    if (Module._web_held_bar_move(c.index, Math.round(c.min + at * (c.max - c.min))) !== Verdict.Now) {
      e.preventDefault();
    } else {
      Module._web_speed(c.index);
      wakeTheRun();
    }
  }

  // The run sleeping until the reference machine would be where it is; the user's hands
  // on the run (the run bar, its keys, the speed bar) wake it, so that what they did
  // shows in the next frame.
  let sleeping = null;
  function sleep(milliseconds, wakeUp) {
    const s = {wakeUp: wakeUp};
    s.timer = setTimeout(() => wake(s), milliseconds);
    sleeping = s;
  }

  function wake(s) {
    if (sleeping !== s)
      return;
    sleeping = null;
    clearTimeout(s.timer);
    s.wakeUp();
  }

  // Woken after the handler that steered the run has returned.
  function wakeTheRun() {
    const s = sleeping;
    if (s)
      Promise.resolve().then(() => wake(s));
  }

  function onKey(e) {
    if (e.key === 'F1') {  // the program's About, not the browser's help
      e.preventDefault();
      return showAbout();
    }
    const copying = (e.ctrlKey || e.metaKey) && (e.key === 'c' || e.key === 'C') && !String(window.getSelection());
    if (copying && !busy && !question.open && !(aboutBox && aboutBox.open)) {
      e.preventDefault();
      return e.shiftKey ? copyLink() : copyPicture();
    }
    if ((e.ctrlKey || e.metaKey) && (e.key === 's' || e.key === 'S')) {  // the picture, not the page
      e.preventDefault();
      return askToSave();
    }
    if ((e.ctrlKey || e.metaKey) && !e.shiftKey && (e.key === 'r' || e.key === 'R')) {  // a recording, not a reload
      e.preventDefault();
      return record();
    }
    if (!busy || question.open)
      return;
    if (runKeys[e.key] !== undefined) {
      const verdict = Module._web_key(runKeys[e.key], e.repeat ? 1 : 0, e.ctrlKey || e.altKey || e.metaKey ? 1 : 0);
      if (verdict !== Verdict.Now)
        e.preventDefault();
      if (verdict === Verdict.Steered)
        wakeTheRun();
      return;
    }
    const c = controlOf(e.target);
    if (c && c.kind === Kind.HScrollBar && barKeys[e.key] !== undefined) {
      e.preventDefault();
      if (Module._web_held_bar_key(c.index, barKeys[e.key]) === Verdict.Now) {
        Module._web_speed(c.index);
        wakeTheRun();
      }
    }
  }

  // ---------------------------------------------------------------- About, copy, full screen

  // The page's own buttons beside the window (F1, Ctrl+C and F11 do the same): About,
  // the picture with its captions to the clipboard, the page full screen. Not during a run.
  let aboutBox = null, pageBar = null;
  // The page's buttons come back where the run bar stood when a run ends: a tap meant for
  // the run bar's stop just then does not reach them.
  const kPageBarSettles = 600;  // milliseconds
  let pageBarSettled = 0;
  const pageSymbols = {
    pageCopy: '<svg viewBox="0 0 1 1" aria-hidden="true"><path d="M.3 .1h.55v.6h-.55zM.15 .3v.6h.55" fill="none" '
              + 'stroke="#000" stroke-width=".08"/></svg>',
    pageLink: '<svg viewBox="0 0 1 1" aria-hidden="true"><path d="M.45 .32l.12-.12a.16 .16 0 0 1 .23 .23l-.16 .16a.16 .16 0 0 '
              + '1-.23 0M.55 .68l-.12 .12a.16 .16 0 0 1-.23-.23l.16-.16a.16 .16 0 0 1 .23 0" fill="none" stroke="#000" '
              + 'stroke-width=".08"/></svg>',
    pageRecord: '<svg viewBox="0 0 1 1" aria-hidden="true"><circle cx=".5" cy=".5" r=".3" fill="#c00000"/></svg>',
    pageSave: '<svg viewBox="0 0 1 1" aria-hidden="true"><path d="M.5 .12v.5M.3 .45l.2 .2l.2-.2M.15 .72v.14h.7v-.14" '
              + 'fill="none" stroke="#000" stroke-width=".08"/></svg>',
    pageFullScreen: '<svg viewBox="0 0 1 1" aria-hidden="true"><path d="M.1 .35v-.25h.25M.65 .1h.25v.25M.9 .65v.25h-.25'
                    + 'M.35 .9h-.25v-.25" fill="none" stroke="#000" stroke-width=".09"/></svg>',
  };

  function about(title, html, copyText, aboutText, fullScreenText, linkText, saveText, recordText) {
    aboutBox = document.getElementById('about');
    aboutBox.querySelector('.title').textContent = title;
    aboutBox.querySelector('.text').innerHTML = html;  // the program's own text
    for (const link of aboutBox.querySelectorAll('a')) {  // beside the page, which keeps its picture
      link.target = '_blank';
      link.rel = 'noopener';
    }
    pageBar = document.createElement('div');
    pageBar.id = 'pageBar';
    const make = (id, text, key, content, act) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = id;
      button.title = text + ' (' + key + ')';
      button.setAttribute('aria-label', text);
      button.innerHTML = content;
      button.addEventListener('click', () => {
        if (performance.now() >= pageBarSettled)
          act();
      });
      pageBar.appendChild(button);
    };
    make('pageAbout', aboutText, 'F1', '?', showAbout);
    make('pageCopy', copyText, 'Ctrl+C', pageSymbols.pageCopy, copyPicture);
    make('pageLink', linkText, 'Ctrl+Shift+C', pageSymbols.pageLink, copyLink);
    make('pageSave', saveText, 'Ctrl+S', pageSymbols.pageSave, askToSave);
    make('pageRecord', recordText, 'Ctrl+R', pageSymbols.pageRecord, record);
    make('pageFullScreen', fullScreenText, 'F11', pageSymbols.pageFullScreen, toggleFullScreen);
    if (panel)
      panel.prepend(pageBar);
    else
      document.body.appendChild(pageBar);
    placePageBar();
  }

  function showAbout() {
    if (!busy && aboutBox && !aboutBox.open)
      aboutBox.showModal();
  }

  function toggleFullScreen() {
    if (document.fullscreenElement)
      document.exitFullscreen().catch(() => {});
    else if (document.documentElement.requestFullscreen)
      document.documentElement.requestFullscreen().catch(() => {});
  }

  // Where the run bar stands during a run.
  function placePageBar() {
    if (pageBar && !pageBar.hidden && !phone)
      putAtCorner(pageBar);
  }

  // The picture as it is seen: the canvas with the captions, formulas and boxes that
  // stand on it (not the buttons, frames and bars), in the canvas's own pixels.
  function pictureAsSeen() {
    const out = document.createElement('canvas');
    out.width = canvas.width;
    out.height = canvas.height;
    const g = out.getContext('2d');
    g.drawImage(canvas, 0, 0);
    g.scale(canvas.width / canvas.offsetWidth, canvas.height / canvas.offsetHeight);
    const page = canvas.getBoundingClientRect(), magnified = page.width / canvas.offsetWidth;
    const onPicture = [Kind.Label, Kind.CaptionBox, Kind.ParameterBox, Kind.Picture];
    for (const c of controls) {
      if (!c || !onPicture.includes(c.kind) || c.box.hidden || !c.box.offsetParent)
        continue;
      const r = c.box.getBoundingClientRect(), st = getComputedStyle(c.box);
      const x = (r.left - page.left) / magnified, y = (r.top - page.top) / magnified;
      const width = r.width / magnified, height = r.height / magnified;
      if (st.backgroundColor !== 'rgba(0, 0, 0, 0)') {
        g.fillStyle = st.backgroundColor;
        g.fillRect(x, y, width, height);
      }
      g.font = st.fontWeight + ' ' + st.fontSize + ' ' + st.fontFamily;
      g.fillStyle = st.color;
      g.textBaseline = 'top';
      g.textAlign = st.textAlign === 'center' || st.textAlign === 'right' ? st.textAlign : 'left';
      const at = g.textAlign === 'center' ? x + width / 2 : g.textAlign === 'right' ? x + width : x;
      const lineHeight = parseFloat(st.fontSize) * 1.15;
      lines(g, c.box.innerText, st.whiteSpace === 'normal' ? width : Infinity).forEach((line, i) => {
        g.fillText(line, at, y + i * lineHeight);
      });
    }
    return out;
  }

  // A text broken into the lines a box of that width shows.
  function lines(g, text, width) {
    const out = [];
    for (const paragraph of text.split('\n')) {
      let line = '';
      for (const word of paragraph.split(' ')) {
        const longer = line ? line + ' ' + word : word;
        if (line && g.measureText(longer).width > width) {
          out.push(line);
          line = word;
        } else {
          line = longer;
        }
      }
      out.push(line);
    }
    return out;
  }

  function copyPicture() {
    if (busy || !navigator.clipboard || !window.ClipboardItem)
      return;
    const png = new Promise((resolve) => pictureAsSeen().toBlob(resolve, 'image/png'));
    navigator.clipboard.write([new ClipboardItem({'image/png': png})]).catch(() => {});
  }

  // ---------------------------------------------------------------- the run bar

  // While a run draws: pause and resume, one step (while paused), stop and the run's
  // progress; its buttons do what P, K and Esc do. It stands below the window where the
  // viewport leaves room, else over the window's corner where the program draws
  // nothing; a finger or the mouse may move it elsewhere. It is no part of the picture.
  const runButtons = {};  // by symbol: {name, label, tip}
  const kClickAfterTouch = 800;  // milliseconds within which a tap's click follows it
  let runBarBox = null, runBarRight = false, runBarMoved = false, runBarState = -1;
  let pauseButton, stepButton, progressBox, progressFill, progressText;
  // The buttons' symbols in a unit square: pause, resume, one step, stop.
  const symbolPaths = {
    [RunSymbol.Pause]: 'M.26 .2h.16v.6h-.16zM.58 .2h.16v.6h-.16z',
    [RunSymbol.Resume]: 'M.3 .2L.8 .5L.3 .8z',
    [RunSymbol.Step]: 'M.22 .2L.62 .5L.22 .8zM.64 .2h.13v.6h-.13z',
    [RunSymbol.Stop]: 'M.25 .25h.5v.5h-.5z',
  };

  function runButton(symbol, name, label, tip) { runButtons[symbol] = {name: name, label: label, tip: tip}; }

  function present(button, symbol) {
    const b = runButtons[symbol];
    button.dataset.symbol = symbol;
    button.title = b.tip;
    button.setAttribute('aria-label', b.label);
    button.innerHTML = '<svg viewBox="0 0 1 1" aria-hidden="true"><path d="' + symbolPaths[symbol] + '"/></svg>';
  }

  function runBar(name, progressName, pausedText, right) {
    runBarRight = !!right;
    runBarBox = document.createElement('div');
    runBarBox.id = name;
    runBarBox.setAttribute('role', 'toolbar');
    runBarBox.setAttribute('aria-label', progressName);
    runBarBox.hidden = true;
    const make = (symbol) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = runButtons[symbol].name;
      button.tabIndex = -1;  // P, K and Esc are its keys; the focus stays where it was
      button.addEventListener('mousedown', (e) => e.preventDefault());
      // A finger acts as it lifts (the click the browser makes of it comes later, and may
      // be moved to a control beside the button): the click after it is spent.
      let touched = -Infinity;
      const act = () => {
        Module._web_run_control(Number(button.dataset.symbol));
        wakeTheRun();
      };
      button.addEventListener('pointerup', (e) => {
        if (e.pointerType !== 'touch' || button.disabled)
          return;
        touched = e.timeStamp;
        act();
      });
      button.addEventListener('click', (e) => {
        if (e.timeStamp - touched < kClickAfterTouch)
          return;
        act();
      });
      present(button, symbol);
      runBarBox.appendChild(button);
      return button;
    };
    pauseButton = make(RunSymbol.Pause);
    stepButton = make(RunSymbol.Step);
    make(RunSymbol.Stop);
    progressBox = document.createElement('div');
    progressBox.id = 'runProgress';
    progressBox.setAttribute('role', 'progressbar');
    progressBox.setAttribute('aria-label', progressName);
    progressBox.setAttribute('aria-valuemin', '0');
    progressBox.setAttribute('aria-valuemax', '100');
    progressFill = document.createElement('div');
    progressFill.className = 'fill';
    progressText = document.createElement('span');
    progressText.className = 'text';
    progressBox.append(progressFill, progressText);
    const paused = document.createElement('span');
    paused.id = 'runPaused';
    paused.setAttribute('role', 'status');
    paused.textContent = pausedText;
    runBarBox.append(progressBox, paused);
    document.body.appendChild(runBarBox);
    movable(runBarBox);
  }

  // Dragged by what is not a button; it stays where it was put, wholly on the viewport.
  function movable(box) {
    let grabbed = null;
    box.addEventListener('pointerdown', (e) => {
      if (e.target.closest('button'))
        return;
      const r = box.getBoundingClientRect();
      grabbed = {x: e.clientX - r.left, y: e.clientY - r.top};
      box.setPointerCapture(e.pointerId);
      e.preventDefault();
    });
    box.addEventListener('pointermove', (e) => {
      if (!grabbed)
        return;
      runBarMoved = true;
      put(box, e.clientX - grabbed.x, e.clientY - grabbed.y);
    });
    const release = () => { grabbed = null; };
    box.addEventListener('pointerup', release);
    box.addEventListener('pointercancel', release);
  }

  // A box at a place of the viewport, wholly on it.
  function put(box, left, top) {
    const v = viewport();
    left = Math.max(0, Math.min(left, v.width - box.offsetWidth));
    top = Math.max(0, Math.min(top, v.height - box.offsetHeight));
    box.style.left = left + window.scrollX + 'px';
    box.style.top = top + window.scrollY + 'px';
  }

  // Below the window's corner where the program draws nothing, where the viewport leaves
  // room; else over that corner.
  function putAtCorner(box) {
    const w = root.getBoundingClientRect(), v = viewport(), gap = 4;
    const below = w.bottom + gap + box.offsetHeight <= v.height;
    put(box, runBarRight ? w.right - box.offsetWidth : w.left, below ? w.bottom + gap : w.bottom - box.offsetHeight);
  }

  function placeRunBar() {
    if (!runBarBox || runBarBox.hidden || phone)  // on a phone, above the buttons' bar
      return;
    if (!runBarMoved)
      return putAtCorner(runBarBox);
    const r = runBarBox.getBoundingClientRect();
    put(runBarBox, r.left, r.top);
  }

  // The run's state (RunState), the part of it done (-1: not known yet) with its text,
  // and the steps it has ended; told only what changed.
  function runState(state, fraction, text, steps) {
    canvas.dataset.runState = Object.keys(RunState).find((k) => RunState[k] === state);
    canvas.dataset.steps = String(steps);
    if (!runBarBox)
      return;
    if (state !== runBarState) {
      runBarState = state;
      const paused = state === RunState.Paused;
      present(pauseButton, paused ? RunSymbol.Resume : RunSymbol.Pause);
      stepButton.disabled = !paused;
      runBarBox.classList.toggle('paused', paused);
      if (runBarBox.hidden && state !== RunState.Idle) {
        runBarBox.hidden = false;
        placeRunBar();
      }
    }
    const percent = fraction < 0 ? 0 : Math.round(fraction * 1000) / 10;
    progressFill.style.width = percent + '%';
    progressText.textContent = text;
    progressBox.setAttribute('aria-valuenow', String(percent));
    progressBox.setAttribute('aria-valuetext', text);
  }

  function runBarGoes() {
    if (runBarBox)
      runBarBox.hidden = true;
    runBarState = -1;
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
    if (pageBar) {
      pageBar.hidden = running;
      placePageBar();
    }
    if (running) {
      began = lastFrame = performance.now();
      longestGap = 0;
      return;
    }
    runBarGoes();
    pageBarSettled = performance.now() + kPageBarSettles;
    framed();
    canvas.dataset.seconds = ((performance.now() - began) / 1000).toFixed(3);
    canvas.dataset.longestFrameGap = longestGap.toFixed(1);  // milliseconds between two frames
    canvas.dataset.designedSeconds = designedSeconds.toFixed(3);
    canvas.setAttribute('aria-description', description);
    canvas.dataset.runs = String(++runs);
  }

  // ---------------------------------------------------------------- a picture to keep

  function askToSave() {
    if (!busy && !question.open)
      Module._web_save_picture();
  }

  // Start's run recorded; the program hands the animation to `download` as it ends.
  function record() {
    if (!busy && !question.open)
      call('web_record', 0, 0);
  }

  // The picture as seen as a PNG download, its texts (keyword: text) in iTXt chunks.
  function savePicture(fileName, texts) {
    pictureAsSeen().toBlob((blob) => blob.arrayBuffer().then((png) => {
      const chunks = Object.entries(texts).map(([key, text]) => pngChunk('iTXt', concat(
        [utf8(key), new Uint8Array([0, 0, 0, 0, 0]), utf8(text)])));
      const bytes = new Uint8Array(png), end = bytes.length - 12;  // IEND, the last chunk
      download(fileName, new Blob([bytes.subarray(0, end), ...chunks, bytes.subarray(end)], {type: 'image/png'}));
    }), 'image/png');
  }

  function download(fileName, file) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(file);
    link.download = fileName;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  const utf8 = (text) => new TextEncoder().encode(text);
  function concat(parts) {
    const out = new Uint8Array(parts.reduce((n, p) => n + p.length, 0));
    let at = 0;
    for (const p of parts) {
      out.set(p, at);
      at += p.length;
    }
    return out;
  }

  // A PNG chunk: its length, type, data and the CRC-32 of type and data.
  function pngChunk(type, data) {
    const body = concat([utf8(type), data]);
    const out = new Uint8Array(body.length + 8), view = new DataView(out.buffer);
    view.setUint32(0, data.length);
    out.set(body, 4);
    view.setUint32(body.length + 4, crc32(body));
    return out;
  }

  let crcTable = null;
  function crc32(bytes) {
    if (!crcTable) {
      crcTable = new Uint32Array(256);
      for (let n = 0; n < 256; n++) {
        let c = n;
        for (let k = 0; k < 8; k++)
          c = c & 1 ? 0xEDB88320 ^ (c >>> 1) : c >>> 1;
        crcTable[n] = c >>> 0;
      }
    }
    let crc = 0xFFFFFFFF;
    for (const b of bytes)
      crc = crcTable[(crc ^ b) & 0xFF] ^ (crc >>> 8);
    return (crc ^ 0xFFFFFFFF) >>> 0;
  }

  // ---------------------------------------------------------------- the set-up's link

  // The page's address carries the window's set-up (the program keeps it current); a
  // link that asked for the run to start at once no longer does once it has.
  function address(setUp) {
    const url = new URL(window.location.href);
    url.search = setUp ? '?' + setUp : '';
    if (url.href !== window.location.href)
      history.replaceState(history.state, '', url.href);
  }

  function copyLink() {
    if (navigator.clipboard)
      navigator.clipboard.writeText(window.location.href).catch(() => {});
  }

  // A link that could not be read whole: a short message over the page, gone at a tap.
  function linkProblem(title, message) {
    const box = document.createElement('div');
    box.id = 'linkProblem';
    box.setAttribute('role', 'alert');
    box.title = title;
    box.textContent = message;
    const close = document.createElement('button');
    close.type = 'button';
    close.textContent = '\u00D7';
    close.setAttribute('aria-label', 'Zavřít');
    box.appendChild(close);
    box.addEventListener('click', () => box.remove());
    document.body.appendChild(box);
  }

  // The run a link asks for, once the page has been shown.
  function startSoon(start) { setTimeout(() => call('web_clicked', start, 1), 0); }

  // "Konec": back to the launcher.
  function close() { window.location.assign('index.html'); }

  return {open, viewport, wantsPhone, setScale, control, style, bar, speed, sleep, address, linkProblem, startSoon, savePicture,
          download, setValue, setText, setChecked, setPlace, setShown, setColour,
          setStartButton, shown, paint, framed, ask, run, runButton, runBar, runState, about, pictureAsSeen, close};
})();

if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch(() => {});
