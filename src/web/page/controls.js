'use strict';

// The form's text boxes and buttons as real HTML controls at their design
// places (logical pixels from the design tables), in the design's tab order,
// each named by its caption. They forward what the user does; what they show
// is copied back from the form after every event.

class FormControls {
  // events: {type(boxIndex, text), click(buttonIndex)}
  constructor(container, design, events) {
    this.boxes = [];
    const stops = [
      ...design.boxes.map((box, index) => ({box, index, tabIndex: box.tabIndex})),
      ...design.buttons.map((button, index) => ({button, index, tabIndex: button.tabIndex})),
    ];
    // The design's tab order is the document's order, so Tab follows it.
    stops.sort((a, b) => a.tabIndex - b.tabIndex);
    for (const stop of stops) {
      const element = stop.box ? this.createBox(stop.box, stop.index, events)
                               : this.createButton(stop.button, stop.index, events);
      const place = stop.box || stop.button;
      Object.assign(element.style, {
        left: place.left + 'px', top: place.top + 'px', width: place.width + 'px', height: place.height + 'px',
      });
      container.append(element);
      this.first = this.first || element;
    }
  }

  createBox(box, index, events) {
    const input = document.createElement('input');
    input.type = 'text';
    input.id = box.name;
    input.setAttribute('aria-label', box.caption);
    input.autocomplete = 'off';
    input.spellcheck = false;
    input.addEventListener('input', () => events.type(index, input.value));
    this.boxes[index] = input;
    return input;
  }

  createButton(button, index, events) {
    const element = document.createElement('button');
    element.type = 'button';
    element.id = button.name;
    element.textContent = button.caption;
    element.addEventListener('click', () => events.click(index));
    return element;
  }

  // Shows what the form's boxes hold now.
  mirror(form) {
    this.boxes.forEach((input, index) => {
      const text = form.boxText(index);
      if (input.value !== text) {
        input.value = text;
      }
      input.disabled = !form.boxEnabled(index);
    });
  }
}
