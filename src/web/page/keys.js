'use strict';

// The action table's keys ("Ctrl+Shift+S", "Alt+,", "F1") matched against
// the browser's key events, by the key's place on the keyboard so that Alt
// on any layout still finds its letter.

const kKeyCodes = {
  ',': ['Comma'], '.': ['Period'], '/': ['Slash', 'NumpadDivide'], '-': ['Minus', 'NumpadSubtract'],
  '=': ['Equal'], '+': ['NumpadAdd'], 'Esc': ['Escape'],
};

class KeyMatcher {
  constructor(text) {
    // "Alt++" ends in the key "+".
    const parts = text.endsWith('++') ? [...text.slice(0, -2).split('+'), '+'] : text.split('+');
    this.key = parts.pop();
    this.ctrl = parts.includes('Ctrl');
    this.alt = parts.includes('Alt');
    this.shift = parts.includes('Shift');
    this.codes = kKeyCodes[this.key] ||
                 (/^[A-Z]$/.test(this.key) ? ['Key' + this.key] : /^[0-9]$/.test(this.key) ? ['Digit' + this.key]
                                                                                       : [this.key]);
  }

  matches(event) {
    if (event.ctrlKey !== this.ctrl || event.altKey !== this.alt || event.metaKey) {
      return false;
    }
    // "+" is Shift and "=" on most keyboards, or the keypad's own.
    if (this.key === '+') {
      return event.key === '+' || event.code === 'NumpadAdd';
    }
    return event.shiftKey === this.shift && this.codes.includes(event.code);
  }
}

// The action a key event stands for, by the table's names.
function actionForEvent(actions, event) {
  for (const action of actions) {
    if (action.matchers.some((matcher) => matcher.matches(event))) {
      return action.name;
    }
  }
  return undefined;
}
