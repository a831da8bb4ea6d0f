'use strict';

// The form's text boxes and buttons as real HTML controls at their design
// places (logical pixels from the design tables), in the design's tab order,
// each named by its caption. They forward what the user does by the names
// every front-end uses ("Text4", "Command1"); what they show is copied back
// from the form after every event.

class FormControls {
  // events: {type(box, text), enter(box), click(button)}
  constructor(container, design, events) {
    this.boxes = new Map();
    const stops = [
      ...design.boxes.map((box) => ({box, tabIndex: box.tabIndex})),
      ...design.buttons.map((button) => ({button, tabIndex: button.tabIndex})),
    ];
    // The design's tab order is the document's order, so Tab follows it.
    stops.sort((a, b) => a.tabIndex - b.tabIndex);
    for (const stop of stops) {
      const element = stop.box ? this.createBox(stop.box, events) : this.createButton(stop.button, events);
      const place = stop.box || stop.button;
      Object.assign(element.style, {
        left: place.left + 'px', top: place.top + 'px', width: place.width + 'px', height: place.height + 'px',
      });
      // What lies below the form's visible area (the temperature and the
      // two counts) is neither reached by Tab nor read out, as in the window.
      if (place.top >= design.height || place.left >= design.width) {
        element.inert = true;
        element.tabIndex = -1;
        element.setAttribute('aria-hidden', 'true');
      }
      container.append(element);
      this.first = this.first || element;
    }
  }

  createBox(box, events) {
    const input = document.createElement('input');
    input.type = 'text';
    input.id = box.name;
    input.setAttribute('aria-label', box.caption);
    input.autocomplete = 'off';
    // Every box holds a number: a touch screen offers its number keys.
    input.inputMode = 'decimal';
    input.spellcheck = false;
    input.addEventListener('input', () => events.type(box.name, input.value));
    input.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' && !event.altKey && !event.ctrlKey && !event.metaKey) {
        event.preventDefault();
        events.enter(box.name);
      }
    });
    this.boxes.set(box.name, input);
    return input;
  }

  createButton(button, events) {
    const element = document.createElement('button');
    element.type = 'button';
    element.id = button.name;
    element.textContent = button.caption;
    element.addEventListener('click', () => events.click(button.name));
    return element;
  }

  // Shows what the form's boxes hold now, touching a box only where that
  // changed: even the same value set again costs the page a style pass. The
  // boxes below the visible form, whose counts change at every step, show
  // nothing and are left alone.
  mirror(form) {
    for (const [name, input] of this.boxes) {
      if (input.inert) {
        continue;
      }
      const text = form.boxText(name);
      if (input.value !== text) {
        input.value = text;
      }
      const disabled = !form.boxEnabled(name);
      if (input.disabled !== disabled) {
        input.disabled = disabled;
      }
    }
  }
}
