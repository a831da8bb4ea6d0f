'use strict';

// The classroom panel under the form: large buttons for the classroom
// actions a class uses most (the core's table, in the core's order), a bias
// slider in hundredths of a volt and the run's status, for a teacher at a
// whiteboard or a student at a touch screen. Letting go of the slider (or
// moving it by a key) hands its place to the form, which types the bias into
// the bias box and applies it as a user would. Only what changed is written
// into the page.

class ClassroomPanel {
  // events: {command(name), applyBias(hundredths), biasText(hundredths)}
  constructor(element, design, events) {
    this.element = element;
    const panel = design.panel;
    const find = (selector) => element.querySelector(selector);
    this.status = find('.panel-status');
    this.slider = find('input[type=range]');
    this.value = find('output');
    find('label').textContent = design.boxes.find((box) => box.name === 'Text4').caption;
    Object.assign(this.slider, {min: panel.sliderLowest, max: panel.sliderHighest, step: 1});
    this.biasText = events.biasText;
    this.slider.addEventListener('input', () => this.showValue());
    this.slider.addEventListener('change', () => events.applyBias(Number(this.slider.value)));
    const buttons = find('.panel-buttons');
    buttons.style.gridTemplateColumns = `repeat(${panel.columns}, 1fr)`;
    this.buttons = panel.buttons.map((action) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset.command = action.name;
      button.textContent = action.caption;
      button.addEventListener('click', () => events.command(action.name));
      buttons.append(button);
      return {button, action};
    });
    this.showValue();
  }

  get shown() {
    return !this.element.hidden;
  }

  // The form's state: the status line, the bias the box holds (unless the
  // slider is in the user's hands) and the toggles' captions.
  follow(form, captionOf, fullScreen) {
    if (!this.shown) {
      return;
    }
    setText(this.status, form.panelStatus());
    const position = String(form.sliderPosition());
    if (document.activeElement !== this.slider && this.slider.value !== position) {
      this.slider.value = position;
      this.showValue();
    }
    for (const {button, action} of this.buttons) {
      if (action.toggles) {
        setText(button, captionOf(action.name));
      }
      if (action.name === 'full-screen') {
        button.setAttribute('aria-pressed', String(fullScreen));
      }
    }
  }

  showValue() {
    setText(this.value, `${this.biasText(Number(this.slider.value))} V`);
  }
}

function setText(element, text) {
  if (element.textContent !== text) {
    element.textContent = text;
  }
}
