'use strict';

// The page: loads the module, hosts one WebForm (the core's host) on a canvas
// with its boxes and buttons, hands it the user's events and the passing of
// real time, shows what it answers, and offers the classroom actions of the
// core's table through the menu and the same keys as the desktop. Every rule
// is the core's; this only forwards events and shows what the form holds.

// The I-V chart's size in logical pixels; the core draws it in twips.
const kChartWidth = 600;
const kChartHeight = 400;
const kChartBackground = 0xffffff;
// At most these parts of the page's width and height.
const kChartMostOfWidth = 0.8;
const kChartMostOfHeight = 0.6;
// The chart's panel stands beside the run only where that leaves the run
// this part of the page.
const kLeastStageBesideChart = 0.5;
// The legend of the page that explains the picture, this many times its
// design size, for a projector.
const kLegendZoom = 1.5;

function download(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  // The download has read the file long before this.
  setTimeout(() => URL.revokeObjectURL(link.href), 60_000);
}

// Whether the classroom panel shows, as the teacher last left it.
const kPanelSetting = 'kestrel-classroom-panel';

// Until the teacher chooses, a touch screen shows the panel: its controls
// are large enough for a finger, the form's own are not.
function rememberedPanel() {
  let remembered = null;
  try {
    remembered = localStorage.getItem(kPanelSetting);
  } catch {
    // Storage refused (a file opened in some browsers): the default.
  }
  return remembered === null ? matchMedia('(pointer: coarse)').matches : remembered === 'shown';
}

function rememberPanel(shown) {
  try {
    localStorage.setItem(kPanelSetting, shown ? 'shown' : 'hidden');
  } catch {
    // The panel shows as chosen, only not remembered.
  }
}

class Page {
  constructor(module) {
    this.module = module;
    const asked = new URLSearchParams(location.search).get('lang') || '';
    this.askedLanguage = asked;
    this.language = module.languageOf(asked, [...(navigator.languages || [navigator.language || ''])]);
    this.design = JSON.parse(module.designJson(this.language));
    setDashDot(this.design.dashDot);
    for (const action of this.design.actions) {
      action.matchers = action.keys.map((key) => new KeyMatcher(key));
    }
    // Real time; a test may hand the page a clock of its own.
    this.clock = window.kestrelClock || (() => performance.now());
    this.form = this.newForm();
    this.element = (id) => document.getElementById(id);
    this.timer = null;
    this.drawRequested = false;
    this.painted = false;
    this.status = '';
    this.zoom = null;  // a zoom step, or the form as large as fits
    this.scale = 1;
    this.openings = 0;  // saved runs the page has opened or refused

    document.documentElement.lang = this.language === 'design' ? 'en' : this.language;
    document.title = this.design.caption;
    this.element('caption').textContent = this.design.caption;
    for (const element of document.querySelectorAll('[data-text]')) {
      element.textContent = this.design.texts[element.dataset.text] ?? element.dataset.text;
    }
    this.element('message-title').textContent = this.design.caption;
    const formArea = this.element('form');
    Object.assign(formArea.style, {width: this.design.width + 'px', height: this.design.height + 'px'});
    this.controls = new FormControls(formArea, this.design, {
      type: (box, text) => this.show(this.form.type(box, text)),
      enter: (box) => this.show(this.form.enter(box)),
      click: (button) => this.click(button),
    });
    this.panel = new ClassroomPanel(this.element('panel'), this.design, {
      command: (name) => this.command(name),
      applyBias: (hundredths) => this.show(this.form.applySliderBias(hundredths)),
      biasText: (hundredths) => module.sliderBiasText(hundredths),
    });
    this.element('panel').setAttribute('aria-label', this.action('panel').caption);
    this.buildMenu();
    this.buildKeys();
    this.listen();
    formArea.hidden = false;
    this.setPanelShown(rememberedPanel(), false);
    this.applyAddress();
    this.refresh();
    // The window opens with the focus on the first control in tab order.
    this.controls.first.focus();
  }

  // The set-up the page's address asks for, by the desktop's option names
  // and values (?bias=0.3&start&paused&speed=2&zoom=2&lang=ja); a value
  // refused is said on the page, and the rest applied.
  applyAddress() {
    const problems = [];
    for (const [name, value] of new URLSearchParams(location.search)) {
      const problem = this.form.readSetUpOption(name, value, true);
      if (problem) {
        problems.push(problem);
      }
    }
    const zoom = this.form.setUpZoom();
    if (zoom > 0) {
      this.setZoom(this.module.nearestZoom(zoom));
    }
    this.show(this.form.applySetUp());
    if (problems.length) {
      this.showMessage(problems.join('\n'));
    }
  }

  // A link that opens the page at this run's set-up, in its language.
  copySetUpLink() {
    let query = this.form.setUpQuery(this.zoom ?? 1);
    if (this.askedLanguage) {
      query += (query ? '&' : '') + 'lang=' + encodeURIComponent(this.askedLanguage);
    }
    const link = location.href.split(/[?#]/)[0] + (query ? '?' + query : '');
    navigator.clipboard?.writeText(link).catch(() => {});
    this.showMessage(`${this.design.texts['A link to this set-up is copied:']}\n${link}`);
  }

  // "Close" ends the run at once, as designed; a run with readouts is asked
  // about first, and can be saved.
  click(button) {
    if (button === 'Command2' && this.form.readoutCount() > 0) {
      const ask = this.element('close-ask');
      ask.returnValue = '';
      ask.showModal();
      return;
    }
    this.show(this.form.click(button));
  }

  afterCloseAsked(answer) {
    if (answer === 'save') {
      this.command('save-run');
    }
    if (answer === 'save' || answer === 'end') {
      this.show(this.form.click('Command2'));
    }
  }

  newForm() {
    const form = new this.module.WebForm(this.clock, this.language);
    const context = document.createElement('canvas').getContext('2d');
    form.setTextMeasure((text, font) => {
      context.font = font;
      return context.measureText(text).width;
    });
    return form;
  }

  action(name) {
    return this.design.actions.find((action) => action.name === name);
  }

  // The menu's items from the core's table, each with its first key.
  buildMenu() {
    const menu = this.element('menu');
    for (const action of this.design.actions.filter((a) => a.inMenu)) {
      if (action.startsGroup && menu.childElementCount) {
        menu.append(document.createElement('hr'));
      }
      const item = document.createElement('button');
      item.type = 'button';
      item.dataset.command = action.name;
      item.setAttribute('aria-keyshortcuts', action.keys.join(' '));
      const caption = document.createElement('span');
      const key = document.createElement('kbd');
      key.textContent = action.keys[0];
      item.append(caption, key);
      menu.append(item);
    }
    this.showMenuCaptions();
  }

  showMenuCaptions() {
    for (const item of this.element('menu').querySelectorAll('button[data-command]')) {
      item.querySelector('span').textContent = this.captionOf(item.dataset.command);
    }
    this.element('menu').querySelector('[data-command=panel]')?.setAttribute('aria-pressed', String(this.panel.shown));
  }

  captionOf(name) {
    return this.form.actionCaption(name, this.scale);
  }

  // The list of keys from the same table.
  buildKeys() {
    const body = this.element('keys-table').querySelector('tbody');
    for (const action of this.design.actions) {
      const row = body.insertRow();
      const keys = row.insertCell();
      action.keys.forEach((key, n) => {
        if (n) {
          keys.append(', ');
        }
        keys.append(Object.assign(document.createElement('kbd'), {textContent: key}));
      });
      row.insertCell().textContent = action.what;
    }
  }

  listen() {
    window.addEventListener('resize', () => this.layout());
    // Full screen shows the form as large as fits.
    document.addEventListener('fullscreenchange', () => {
      this.zoom = null;
      this.layout();
    });
    this.followPixelRatio();
    document.addEventListener('keydown', (event) => this.onKey(event));
    const menuButton = this.element('menu-button');
    menuButton.addEventListener('click', () => this.showMenu(this.element('menu').hidden));
    this.element('menu').addEventListener('click', (event) => {
      const item = event.target.closest('button[data-command]');
      if (item) {
        this.showMenu(false);
        this.command(item.dataset.command);
      }
    });
    document.addEventListener('click', (event) => {
      if (!this.element('menu').hidden && !event.target.closest('#menu, #menu-button')) {
        this.showMenu(false, false);
      }
    });
    this.element('script-file').addEventListener('change', (event) => this.openScript(event.target));
    this.element('message').addEventListener('close', () => this.afterMessage());
    const closeAsk = this.element('close-ask');
    closeAsk.addEventListener('close', () => this.afterCloseAsked(closeAsk.returnValue));
    this.element('run-again').addEventListener('click', () => location.reload());
    // The whole run, however it ended, for the teacher to keep.
    this.element('save-ended').addEventListener('click', () => this.command('save-run'));
    this.element('iv-title').textContent = this.action('iv-chart').caption;
    const clear = this.element('iv-clear');
    clear.textContent = this.action('clear-chart').caption;
    clear.addEventListener('click', () => this.command('clear-chart'));
    this.element('iv').addEventListener('close', () => {
      this.chartSize = null;
      this.placeChartPanel();
    });
  }

  // A window moved to a screen of another density redraws at its pixels.
  followPixelRatio() {
    const query = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
    query.addEventListener('change', () => {
      this.layout();
      this.followPixelRatio();
    }, {once: true});
  }

  // The form at its zoom step, or as large as fits the page, never larger
  // than fits; the canvas's pixels those of the device.
  layout() {
    const stage = this.element('stage').getBoundingClientRect();
    const {width, height} = this.design;
    const fit = Math.max(0.1, Math.min(stage.width / width, stage.height / height));
    const scale = this.zoom === null ? fit : Math.min(this.zoom, fit);
    this.scale = scale;
    const left = Math.max(0, (stage.width - width * scale) / 2);
    const top = Math.max(0, (stage.height - height * scale) / 2);
    this.element('form').style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    const canvas = this.element('diagram');
    const devicePixels = scale * (window.devicePixelRatio || 1);
    canvas.width = Math.round(width * devicePixels);
    canvas.height = Math.round(height * devicePixels);
    Object.assign(canvas.style, {width: width + 'px', height: height + 'px'});
    this.painter = new Painter(canvas, canvas.width / width, {keepsBackdrop: true});
    this.paintAll = true;
    this.requestDraw();
  }

  // What the host answered: its message, then the form as it now stands.
  show(outcome) {
    if (outcome && outcome.message) {
      this.showMessage(outcome.message);
    }
    this.refresh();
  }

  refresh() {
    clearTimeout(this.timer);
    this.timer = null;
    if (this.form.ended()) {
      this.end();
      return;
    }
    this.controls.mirror(this.form);
    this.tellScreenReaders();
    // Painted at once, in the step's own task: twenty steps a second that
    // each wait for an animation frame cost the browser more than the paint.
    this.paint();
    const wait = this.form.msToNextTick();
    if (wait >= 0) {
      this.timer = setTimeout(() => this.show(this.form.timePassed()), wait);
    }
    this.setStatus(this.panel.shown ? '' : this.form.status());
    this.panel.follow(this.form, (name) => this.captionOf(name), Boolean(document.fullscreenElement));
    this.drawIvChart();
  }

  // The readouts after "Start" since the chart was last cleared, drawn by
  // the core as large as the panel shows them: larger with the zoom, its
  // marks and texts alike; redrawn when a readout has come or the size
  // changed.
  drawIvChart(always = false) {
    if (!this.element('iv').open) {
      return;
    }
    const canvas = this.element('iv-chart');
    const width = Math.round(Math.min(kChartWidth * (this.zoom ?? 1), innerWidth * kChartMostOfWidth));
    const height = Math.round(Math.min(kChartHeight * (this.zoom ?? 1), innerHeight * kChartMostOfHeight));
    const description = this.form.ivDescription();
    const size = `${width}x${height}`;
    const resized = size !== this.chartSize;
    if (!always && !resized && this.chartDescription === description) {
      return;
    }
    [this.chartSize, this.chartDescription] = [size, description];
    canvas.setAttribute('aria-label', description);
    Object.assign(canvas.style, {width: width + 'px', height: height + 'px'});
    const ratio = window.devicePixelRatio || 1;
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    const scale = this.module.readoutChartScale(width, height);
    const [logicalWidth, logicalHeight] = [Math.floor(width / scale), Math.floor(height / scale)];
    const twips = this.design.twipsPerPixel;
    const drawing = this.form.drawIvChart(logicalWidth * twips, logicalHeight * twips);
    new Painter(canvas, ratio * scale).paint(drawing, kChartBackground, logicalWidth, logicalHeight);
    if (resized) {
      this.placeChartPanel();
    }
  }

  // The chart's panel stands beside the run where the page is wide enough
  // for both, the form fitted to what is left, and over the run otherwise.
  placeChartPanel() {
    const panel = this.element('iv');
    const room = panel.open ? innerWidth - panel.getBoundingClientRect().left : 0;
    const beside = room > 0 && innerWidth - room >= innerWidth * kLeastStageBesideChart;
    this.element('stage').style.marginRight = beside ? room + 'px' : '';
    this.layout();
  }

  // The diagram's description is written when its words change (not at
  // every step's new counts), and a new readout is said once, politely.
  tellScreenReaders() {
    const news = this.form.news();
    this.describe ||= news.descriptionChanged;
    if (news.announcement) {
      this.element('news').textContent = news.announcement;
    }
  }

  setStatus(text) {
    if (text !== this.status) {
      this.status = text;
      this.element('status').textContent = text;
    }
  }

  requestDraw() {
    if (!this.drawRequested) {
      this.drawRequested = true;
      requestAnimationFrame(() => this.paint());
    }
  }

  paint() {
    this.drawRequested = false;
    if (this.form.ended()) {
      return;
    }
    const drawing = this.form.draw();
    // Only what moved is painted again, unless the canvas is new.
    const area = this.paintAll ? null : drawing.changed;
    if (this.paintAll || area) {
      this.painter.paint(drawing, this.design.background, this.design.width, this.design.height, area);
      this.paintAll = false;
    }
    if (this.describe) {
      this.describe = false;
      this.element('diagram').setAttribute('aria-label', this.form.description());
    }
    if (!this.painted) {
      this.painted = true;
      performance.mark('kestrel-form-painted');
    }
  }

  // "Close", or a fatal error: the timers stop and the page says so.
  end() {
    this.element('form').hidden = true;
    this.element('ended').hidden = false;
    this.element('menu-button').disabled = true;
    this.showMenu(false, false);
    this.setStatus('');
    if (!this.element('message').open) {
      this.element('run-again').focus();
    }
  }

  showMessage(text) {
    const dialog = this.element('message');
    this.element('message-text').textContent = text;
    if (!dialog.open) {
      this.focusBefore = document.activeElement;
      dialog.showModal();
    }
    this.element('message-ok').focus();
  }

  afterMessage() {
    if (this.form.ended()) {
      this.element('run-again').focus();
    } else if (this.focusBefore && this.focusBefore.isConnected) {
      this.focusBefore.focus();
    }
  }

  showMenu(open, focus = true) {
    const menu = this.element('menu');
    menu.hidden = !open;
    this.element('menu-button').setAttribute('aria-expanded', String(open));
    if (open) {
      this.showMenuCaptions();
      menu.querySelector('button').focus();
    } else if (focus) {
      this.element('menu-button').focus();
    }
  }

  onKey(event) {
    if (this.form.ended() || document.querySelector('dialog[open]:not(#iv)')) {
      return;
    }
    if (event.key === 'Escape' && !this.element('menu').hidden) {
      this.showMenu(false);
      return;
    }
    const name = actionForEvent(this.design.actions, event);
    // Escape is the browser's own (closing a dialog) unless in full screen.
    if (name && !(name === 'leave-full-screen' && !document.fullscreenElement)) {
      event.preventDefault();
      this.command(name);
    }
  }

  command(name) {
    const form = this.form;
    if (this.action(name)?.onTheRun) {
      this.show(form.perform(name));
      this.showMenuCaptions();
      return;
    }
    switch (name) {
      case 'zoom-in': return this.setZoom(this.module.zoomIn(this.scale, this.largestZoom()));
      case 'zoom-out': return this.setZoom(this.module.zoomOut(this.scale));
      case 'actual-size': return this.setZoom(1);
      case 'full-screen':
        return document.fullscreenElement ? document.exitFullscreen() : document.documentElement.requestFullscreen();
      case 'leave-full-screen': return document.fullscreenElement && document.exitFullscreen();
      case 'save-picture': return this.picture().toBlob((blob) => download(blob, 'kestrel-picture.png'), 'image/png');
      case 'copy-picture': return this.copyPicture();
      case 'save-run': return download(new Blob([form.record()], {type: 'text/plain'}), 'kestrel-run.replay');
      case 'save-readouts':
        return download(new Blob([form.readoutsCsv()], {type: 'text/csv'}), 'kestrel-readouts.csv');
      case 'open-run': return this.element('script-file').click();
      case 'keys': return this.element('keys').showModal();
      case 'panel': return this.setPanelShown(!this.panel.shown);
      case 'copy-set-up': return this.copySetUpLink();
      case 'what-you-see': return this.showWhatYouSee();
      case 'iv-chart':
        this.element('iv').show();
        return this.drawIvChart(true);
      case 'clear-chart':
        form.clearChart();
        return this.drawIvChart(true);
    }
  }

  // The page that explains the picture: the core's legend and words, laid
  // out once in the page's language.
  showWhatYouSee() {
    const dialog = this.element('what-you-see');
    if (!this.whatYouSee) {
      this.whatYouSee = JSON.parse(this.module.whatYouSeeJson(this.language));
      const explained = this.whatYouSee;
      this.element('what-you-see-title').textContent = explained.title;
      this.element('legend-heading').textContent = explained.legendHeading;
      this.element('legend').setAttribute('aria-label', explained.legendText);
      const phrased = (tag, phrases) => {
        const element = document.createElement(tag);
        // A line may break only between the core's phrases.
        for (const phrase of phrases) {
          element.append(phrase, document.createElement('wbr'));
        }
        return element;
      };
      for (const section of explained.sections) {
        this.element('explained').append(phrased('h3', section.heading), phrased('p', section.text));
      }
    }
    dialog.showModal();
    // From its top, though the focus is on its button at the bottom.
    dialog.scrollTop = 0;
    this.drawLegend();
  }

  drawLegend() {
    const canvas = this.element('legend');
    const {legendWidth: width, legendHeight: height} = this.whatYouSee;
    const scale = kLegendZoom * (window.devicePixelRatio || 1);
    canvas.width = Math.round(width * scale);
    canvas.height = Math.round(height * scale);
    canvas.style.width = width * kLegendZoom + 'px';
    new Painter(canvas, scale).paint(this.form.drawLegend(), this.design.background, width, height);
  }

  setZoom(zoom) {
    this.zoom = zoom;
    this.layout();
    this.showMenuCaptions();
    this.drawIvChart();
  }

  // The largest zoom step at which the form fits the page.
  largestZoom() {
    const stage = this.element('stage').getBoundingClientRect();
    return this.module.largestFittingZoom(this.design.width, this.design.height, stage.width, stage.height);
  }

  setPanelShown(shown, remember = true) {
    this.element('panel').hidden = !shown;
    if (remember) {
      rememberPanel(shown);
    }
    this.layout();
    this.refresh();
    this.showMenuCaptions();
  }

  // The window as it is now, its boxes and buttons drawn in, one pixel per
  // logical pixel; or the chart, while the focus is in its panel.
  picture() {
    if (this.element('iv').contains(document.activeElement)) {
      return this.element('iv-chart');
    }
    const canvas = document.createElement('canvas');
    canvas.width = this.design.width;
    canvas.height = this.design.height;
    new Painter(canvas, 1).paint(this.form.drawPicture(), this.design.background, canvas.width, canvas.height);
    return canvas;
  }

  copyPicture() {
    const png = new Promise((resolve) => this.picture().toBlob(resolve, 'image/png'));
    navigator.clipboard?.write([new ClipboardItem({'image/png': png})]).catch(() => {});
  }

  // A saved run, replayed beside the class's run; it takes over only when
  // it replays to its end, and otherwise the page says why.
  async openScript(input) {
    const file = input.files[0];
    input.value = '';
    if (!file || this.form.ended()) {
      return;
    }
    this.show(this.form.openRun(await file.text(), file.name));
    ++this.openings;
  }
}

createKestrelModule().then((module) => {
  const page = new Page(module);
  // For tests and the curious: the form's state as the replay tool dumps it.
  window.kestrel = {
    dump: () => page.form.dump(),
    script: () => page.form.record(),
    readoutsCsv: () => page.form.readoutsCsv(),
    ended: () => page.form.ended(),
    paused: () => page.form.paused(),
    speed: () => page.form.speed(),
    painted: () => page.painted,
    openings: () => page.openings,
    twipsPerPixel: page.design.twipsPerPixel,
    // Real time has passed on the page's clock.
    timePassed: () => page.show(page.form.timePassed()),
  };
}, (error) => {
  document.getElementById('status').textContent = 'Kestrel Sim could not start: ' + error;
  throw error;
});
