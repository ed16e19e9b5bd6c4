// What the web window asks of its page (web_window.cpp); the page itself is page.js.
mergeInto(LibraryManager.library, {
  page_open: function (caption, description, width, height) {
    suitePage.open(UTF8ToString(caption), UTF8ToString(description), width, height);
  },
  page_viewport_width: function () { return suitePage.viewport().width; },
  page_viewport_height: function () { return suitePage.viewport().height; },
  page_device_pixel_ratio: function () { return window.devicePixelRatio || 1; },
  page_phone: function () { return suitePage.wantsPhone() ? 1 : 0; },
  page_scale: function (scale, width, height, back, phone) { suitePage.setScale(scale, width, height, back, phone); },
  page_control: function (index, kind, name, text, frame, left, top, width, height) {
    suitePage.control(index, kind, UTF8ToString(name), UTF8ToString(text), frame, left, top, width, height);
  },
  page_style: function (index, family, pixels, bold, back, seeThrough, fore, align, border) {
    suitePage.style(index, UTF8ToString(family), pixels, bold, back, seeThrough, fore, align, border);
  },
  page_bar: function (index, min, max, value, name) {
    suitePage.bar(index, min, max, value, UTF8ToString(name));
  },
  page_speed: function (index, text, tip) { suitePage.speed(index, UTF8ToString(text), UTF8ToString(tip)); },
  page_set_value: function (index, value) { suitePage.setValue(index, value); },
  page_set_text: function (index, text) { suitePage.setText(index, UTF8ToString(text)); },
  page_set_checked: function (index, checked) { suitePage.setChecked(index, checked); },
  page_set_place: function (index, left, top) { suitePage.setPlace(index, left, top); },
  page_set_shown: function (index, shown) { suitePage.setShown(index, shown); },
  page_set_colour: function (index, back) { suitePage.setColour(index, back); },
  page_start_button: function (index, tip) { suitePage.setStartButton(index, UTF8ToString(tip)); },
  page_shown: function () { suitePage.shown(); },
  page_paint: function (rgba, x, y, width, height) {
    suitePage.paint(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), x, y, width, height);
  },
  // The run's frame goes to the screen: the page is left to the browser for a moment
  // (a message to itself, which no timer clamps), to paint and to take input.
  page_yield: function () {
    suitePage.framed();
    return Asyncify.handleSleep(function (wakeUp) {
      const channel = new MessageChannel();
      channel.port1.onmessage = function () { wakeUp(); };
      channel.port2.postMessage(0);
    });
  },
  // The run waits for the reference machine; what the user does to the run wakes it.
  page_sleep: function (milliseconds) {
    return Asyncify.handleSleep(function (wakeUp) { suitePage.sleep(milliseconds, wakeUp); });
  },
  page_ask: function (title, question) {
    const t = UTF8ToString(title), q = UTF8ToString(question);
    return Asyncify.handleSleep(function (wakeUp) {
      suitePage.ask(t, q).then(function (yes) { wakeUp(yes ? 1 : 0); });
    });
  },
  page_run: function (running, designedSeconds, description) {
    suitePage.run(running, designedSeconds, UTF8ToString(description));
  },
  page_run_button: function (symbol, name, label, tip) {
    suitePage.runButton(symbol, UTF8ToString(name), UTF8ToString(label), UTF8ToString(tip));
  },
  page_run_bar: function (name, progressName, pausedText, right) {
    suitePage.runBar(UTF8ToString(name), UTF8ToString(progressName), UTF8ToString(pausedText), right);
  },
  page_run_state: function (state, fraction, progress, steps) {
    suitePage.runState(state, fraction, UTF8ToString(progress), steps);
  },
  page_about: function (title, html, copy, about, fullScreen, link, save, record) {
    suitePage.about(UTF8ToString(title), UTF8ToString(html), UTF8ToString(copy), UTF8ToString(about),
                    UTF8ToString(fullScreen), UTF8ToString(link), UTF8ToString(save), UTF8ToString(record));
  },
  page_save_file: function (fileName, bytes, size, type) {
    suitePage.download(UTF8ToString(fileName), new Blob([HEAPU8.slice(bytes, bytes + size)], {type: UTF8ToString(type)}));
  },
  page_save_picture: function (fileName, descriptionKey, description, linkKey, link) {
    suitePage.savePicture(UTF8ToString(fileName), {[UTF8ToString(descriptionKey)]: UTF8ToString(description),
                                                   [UTF8ToString(linkKey)]: UTF8ToString(link)});
  },
  page_close: function () { suitePage.close(); },
  page_location__deps: ['malloc'],
  page_location: function () {
    const href = window.location.href, size = lengthBytesUTF8(href) + 1, text = _malloc(size);
    stringToUTF8(href, text, size);
    return text;
  },
  page_address: function (setUp) { suitePage.address(UTF8ToString(setUp)); },
  page_link_problem: function (title, message) { suitePage.linkProblem(UTF8ToString(title), UTF8ToString(message)); },
  page_start_soon: function (start) { suitePage.startSoon(start); },
});
