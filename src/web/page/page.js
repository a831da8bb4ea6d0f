'use strict';

// The page: loads the module, hosts one WebForm on a canvas with its boxes
// and buttons, keeps the form's time with real time, shows its messages, and
// offers the classroom controls through the menu and the keys. Every rule is
// the core's; this only forwards events and shows what the form holds.

// Alt+key: the menu's command.
const kAltKeys = {
  KeyK: 'pause', KeyL: 'step', Minus: 'slower', NumpadSubtract: 'slower', Equal: 'faster', NumpadAdd: 'faster',
  KeyP: 'picture', KeyS: 'save', KeyO: 'open', KeyR: 'readouts', KeyI: 'iv',
};
// The I-V chart's size in logical pixels, and in the core's twips.
const kChartWidth = 600;
const kChartHeight = 400;
const kTwipsPerPixel = 15;
const kChartBackground = 0xffffff;

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

class Page {
  constructor(module) {
    this.module = module;
    this.design = JSON.parse(module.designJson());
    this.form = new module.WebForm();
    this.element = (id) => document.getElementById(id);
    this.timer = null;
    this.lastTime = performance.now();
    this.drawRequested = false;
    this.painted = false;
    this.status = '';

    document.title = this.design.caption;
    this.element('caption').textContent = this.design.caption;
    this.element('message-title').textContent = this.design.caption;
    const formArea = this.element('form');
    Object.assign(formArea.style, {width: this.design.width + 'px', height: this.design.height + 'px'});
    this.controls = new FormControls(formArea, this.design, {
      type: (box, text) => this.handle(() => this.form.type(box, text)),
      click: (button) => this.handle(() => this.form.click(button)),
    });
    this.listen();
    formArea.hidden = false;
    this.layout();
    this.refresh();
    // The window opens with the focus on the first control in tab order.
    this.controls.first.focus();
  }

  listen() {
    window.addEventListener('resize', () => this.layout());
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
    this.element('run-again').addEventListener('click', () => location.reload());
  }

  // A window moved to a screen of another density redraws at its pixels.
  followPixelRatio() {
    const query = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
    query.addEventListener('change', () => {
      this.layout();
      this.followPixelRatio();
    }, {once: true});
  }

  // The form scaled to fit the page, the canvas's pixels those of the device.
  layout() {
    const stage = this.element('stage').getBoundingClientRect();
    const {width, height} = this.design;
    const scale = Math.max(0.1, Math.min(stage.width / width, stage.height / height));
    const left = Math.max(0, (stage.width - width * scale) / 2);
    const top = Math.max(0, (stage.height - height * scale) / 2);
    this.element('form').style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    const canvas = this.element('diagram');
    const devicePixels = scale * (window.devicePixelRatio || 1);
    canvas.width = Math.round(width * devicePixels);
    canvas.height = Math.round(height * devicePixels);
    Object.assign(canvas.style, {width: width + 'px', height: height + 'px'});
    this.painter = new Painter(canvas, canvas.width / width);
    this.requestDraw();
  }

  // Every event: first the ticks that fell due, then the event, then what it
  // leaves to show.
  handle(event) {
    if (this.form.ended()) {
      return;
    }
    this.catchUp();
    if (!this.form.ended()) {
      this.show(event());
    }
    this.refresh();
  }

  catchUp() {
    const now = performance.now();
    this.show(this.form.advance(now - this.lastTime));
    this.lastTime = now;
  }

  show(outcome) {
    if (outcome && outcome.message) {
      this.showMessage(outcome.message);
    }
  }

  refresh() {
    clearTimeout(this.timer);
    this.timer = null;
    if (this.form.ended()) {
      this.end();
      return;
    }
    this.controls.mirror(this.form);
    this.requestDraw();
    const wait = this.form.msToNextTick();
    if (wait >= 0) {
      this.timer = setTimeout(() => this.handle(() => null), wait);
    }
    this.setStatus(this.form.paused() ? 'Paused: Alt+K carries on' : `Speed ×${this.form.speed()}`);
    if (this.element('iv').open) {
      this.drawIvChart();
    }
  }

  // The session's readouts at a bias, drawn by the core; redrawn when a
  // readout has come.
  drawIvChart(always = false) {
    const canvas = this.element('iv-chart');
    const description = this.form.ivDescription();
    if (!always && canvas.getAttribute('aria-label') === description) {
      return;
    }
    canvas.setAttribute('aria-label', description);
    const scale = window.devicePixelRatio || 1;
    canvas.width = Math.round(kChartWidth * scale);
    canvas.height = Math.round(kChartHeight * scale);
    const drawing = this.form.drawIvChart(kChartWidth * kTwipsPerPixel, kChartHeight * kTwipsPerPixel);
    new Painter(canvas, scale).paint(drawing, kChartBackground, kChartWidth, kChartHeight);
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
    this.painter.paint(this.form.draw(), this.design.background, this.design.width, this.design.height);
    const description = this.form.description();
    const canvas = this.element('diagram');
    if (canvas.getAttribute('aria-label') !== description) {
      canvas.setAttribute('aria-label', description);
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
    this.setStatus('Ended');
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
      menu.querySelector('[data-command="pause"] span').textContent = this.form.paused() ? 'Carry on' : 'Pause';
      menu.querySelector('button').focus();
    } else if (focus) {
      this.element('menu-button').focus();
    }
  }

  onKey(event) {
    if (this.form.ended() || document.querySelector('dialog[open]')) {
      return;
    }
    if (event.key === 'Escape' && !this.element('menu').hidden) {
      this.showMenu(false);
      return;
    }
    const name = event.key === 'F1' ? 'keys'
               : event.altKey && !event.ctrlKey && !event.metaKey ? kAltKeys[event.code] : undefined;
    if (name) {
      event.preventDefault();
      this.command(name);
    }
  }

  command(name) {
    const form = this.form;
    switch (name) {
      case 'pause': return this.handle(() => (form.paused() ? form.resume() : form.pause()));
      case 'step': return this.handle(() => form.step());
      case 'slower': return this.handle(() => form.slower());
      case 'faster': return this.handle(() => form.faster());
      case 'picture': return this.handle(() => this.savePicture());
      case 'save':
        return this.handle(() => download(new Blob([form.script()], {type: 'text/plain'}), 'kestrel-run.replay'));
      case 'readouts':
        return this.handle(() => download(new Blob([form.readoutsCsv()], {type: 'text/csv'}), 'kestrel-readouts.csv'));
      case 'open': return this.element('script-file').click();
      case 'keys': return this.element('keys').showModal();
      case 'iv':
        this.element('iv').showModal();
        return this.drawIvChart(true);
    }
  }

  // The window as it is now, its boxes and buttons drawn in, one pixel per
  // logical pixel.
  savePicture() {
    const canvas = document.createElement('canvas');
    canvas.width = this.design.width;
    canvas.height = this.design.height;
    new Painter(canvas, 1).paint(this.form.drawPicture(), this.design.background, canvas.width, canvas.height);
    canvas.toBlob((blob) => download(blob, 'kestrel-picture.png'), 'image/png');
  }

  // A saved run replayed on a fresh form; the run goes on live from its end.
  async openScript(input) {
    const file = input.files[0];
    input.value = '';
    if (!file || this.form.ended()) {
      return;
    }
    const text = await file.text();
    const fresh = new this.module.WebForm();
    const outcome = fresh.replay(text);
    this.form.delete();
    this.form = fresh;
    this.lastTime = performance.now();
    this.show(outcome);
    this.refresh();
  }
}

createKestrelModule().then((module) => {
  const page = new Page(module);
  // For tests and the curious: the form's state as the replay tool dumps it.
  window.kestrel = {
    dump: () => page.form.dump(),
    script: () => page.form.script(),
    ended: () => page.form.ended(),
    paused: () => page.form.paused(),
    painted: () => page.painted,
  };
}, (error) => {
  document.getElementById('status').textContent = 'Kestrel Sim could not start: ' + error;
  throw error;
});
