'use strict';

// Puts the core's drawing commands (src/web/batch_canvas.h) on a 2D canvas,
// in logical pixels as the desktop window draws them: lines and outlines one
// pixel wide and unsmoothed, the dash-dot pen as the window's, dots stamped
// from a circle drawn once per fill and scale, text in its box.

const DrawCommand = {Line: 1, Rectangle: 2, Ellipse: 3, Dot: 4, Point: 5, Text: 6};
const kCommandStride = 8;
// The dash-dot pen's pixels, on or off, from the core's pattern of lengths
// (dash, gap, dot, gap); the page sets it from the design.
let dashDotPixels = [true];

function setDashDot(lengths) {
  dashDotPixels = lengths.flatMap((length, n) => Array(length).fill(n % 2 === 0));
}
const kOutline = '#000000';

function cssColour(colour) {
  return '#' + colour.toString(16).padStart(6, '0');
}

// The pixels of a line from one end to the other, both included, as runs of
// pixels in a row or column: [x, y, width, height].
function linePixels(x1, y1, x2, y2, dashed) {
  const runs = [];
  const dx = Math.abs(x2 - x1);
  const dy = -Math.abs(y2 - y1);
  const sx = x1 < x2 ? 1 : -1;
  const sy = y1 < y2 ? 1 : -1;
  const alongX = dx >= -dy;
  let error = dx + dy;
  let x = x1;
  let y = y1;
  for (let n = 0; ; ++n) {
    if (!dashed || dashDotPixels[n % dashDotPixels.length]) {
      const last = runs[runs.length - 1];
      const joins = last && (alongX ? last[1] === y && last[0] + last[2] === x && sx > 0
                                    : last[0] === x && last[1] + last[3] === y && sy > 0);
      if (joins) {
        alongX ? ++last[2] : ++last[3];
      } else {
        runs.push([x, y, 1, 1]);
      }
    }
    if (x === x2 && y === y2) {
      return runs;
    }
    const twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += sx;
    }
    if (twice <= dx) {
      error += dx;
      y += sy;
    }
  }
}

function sameItems(a, b) {
  return a.length === b.length && a.every((item, n) => item === b[n]);
}

// What is drawn once and copied often: a bitmap the browser copies as it
// stands, where a canvas would be copied out afresh at every use.
function newBitmapCanvas(width, height) {
  return typeof OffscreenCanvas === 'function' ? new OffscreenCanvas(width, height)
                                               : Object.assign(document.createElement('canvas'), {width, height});
}

function asBitmap(canvas) {
  return canvas.transferToImageBitmap ? canvas.transferToImageBitmap() : canvas;
}

class Painter {
  // scale: device pixels per logical pixel. A painter that keeps a backdrop
  // paints what lies below the first dot (the labels, the shapes, the band
  // lines) into a canvas of its own, again only when those commands change
  // (with the bias or the language), and copies it under the dots.
  constructor(canvas, scale, {keepsBackdrop = false} = {}) {
    this.context = canvas.getContext('2d');
    this.scale = scale;
    this.sprites = new Map();
    this.backdrop = keepsBackdrop ? {image: null} : null;
  }

  // The whole drawing, or only its part inside `area` ([left, top, width,
  // height] in logical pixels).
  paint(drawing, background, width, height, area = null) {
    const context = this.context;
    context.save();
    if (area) {
      // On whole device pixels, a pixel wider all round: at a scale that is
      // not whole, the edges of what was there are spread over them.
      const [left, top, right, bottom] = [area[0] - 1, area[1] - 1, area[0] + area[2] + 1, area[1] + area[3] + 1]
        .map((v, n) => (n < 2 ? Math.floor : Math.ceil)(v * this.scale));
      context.setTransform(1, 0, 0, 1, 0, 0);
      context.beginPath();
      context.rect(left, top, right - left, bottom - top);
      context.clip();
    }
    const first = this.backdrop ? this.copyBackdrop(drawing, background, width, height) : 0;
    context.setTransform(this.scale, 0, 0, this.scale, 0, 0);
    if (!this.backdrop) {
      context.fillStyle = cssColour(background);
      context.fillRect(0, 0, width, height);
    }
    this.run(drawing, first);
    context.restore();
  }

  // Puts the backdrop on the canvas, device pixel for device pixel, painted
  // again first if its commands changed; returns where the rest begins.
  copyBackdrop(drawing, background, width, height) {
    const c = drawing.commands;
    let end = 0;
    while (end < c.length && c[end] !== DrawCommand.Dot) {
      end += kCommandStride;
    }
    const {canvas} = this.context;
    const key = [background, width, height, canvas.width, canvas.height, ...drawing.texts];
    // A view of the module's memory, copied only when it is kept.
    const commands = c.subarray(0, end);
    const kept = this.backdrop;
    if (!kept.image || !sameItems(key, kept.key) || !sameItems(commands, kept.commands)) {
      const layer = newBitmapCanvas(canvas.width, canvas.height);
      new Painter(layer, this.scale).paint({commands, texts: drawing.texts}, background, width, height);
      this.backdrop = {image: asBitmap(layer), key, commands: commands.slice()};
    }
    this.context.setTransform(1, 0, 0, 1, 0, 0);
    this.context.drawImage(this.backdrop.image, 0, 0);
    return end;
  }

  // The drawing's commands from `first` on.
  run(drawing, first) {
    const c = drawing.commands;
    for (let at = first; at < c.length; at += kCommandStride) {
      switch (c[at]) {
        case DrawCommand.Line: this.line(c[at + 1], c[at + 2], c[at + 3], c[at + 4], c[at + 5], c[at + 6]); break;
        case DrawCommand.Rectangle: this.rectangle(c[at + 1], c[at + 2], c[at + 3], c[at + 4], c[at + 5]); break;
        case DrawCommand.Ellipse: this.ellipse(c[at + 1], c[at + 2], c[at + 3], c[at + 4]); break;
        case DrawCommand.Dot: this.dot(c[at + 1], c[at + 2], c[at + 3], c[at + 4]); break;
        case DrawCommand.Point: this.point(c[at + 1], c[at + 2], c[at + 3]); break;
        case DrawCommand.Text:
          this.text(c[at + 1], c[at + 2], c[at + 3], c[at + 4], drawing.texts[c[at + 5]], c[at + 6] === 1,
                    drawing.texts[c[at + 7]]);
          break;
      }
    }
  }

  line(x1, y1, x2, y2, colour, dashed) {
    const context = this.context;
    context.fillStyle = cssColour(colour);
    context.beginPath();
    for (const [x, y, w, h] of linePixels(x1, y1, x2, y2, dashed === 1)) {
      context.rect(x, y, w, h);
    }
    context.fill();
  }

  // The outline covers the box's outermost pixels.
  rectangle(x, y, width, height, fill) {
    const context = this.context;
    if (fill >= 0) {
      context.fillStyle = cssColour(fill);
      context.fillRect(x, y, width, height);
    }
    context.fillStyle = kOutline;
    context.fillRect(x, y, width, 1);
    context.fillRect(x, y + height - 1, width, 1);
    context.fillRect(x, y, 1, height);
    context.fillRect(x + width - 1, y, 1, height);
  }

  ellipse(x, y, width, height) {
    const context = this.context;
    context.strokeStyle = kOutline;
    context.lineWidth = 1;
    context.beginPath();
    context.ellipse(x + width / 2, y + height / 2, (width - 1) / 2, (height - 1) / 2, 0, 0, 2 * Math.PI);
    context.stroke();
  }

  dot(x, y, size, fill) {
    this.context.drawImage(this.sprite(size, fill), x, y, size, size);
  }

  // A dot drawn once at the device's pixels: a black ring filled inside.
  sprite(size, fill) {
    const key = size + '/' + fill;
    let sprite = this.sprites.get(key);
    if (!sprite) {
      const side = Math.max(1, Math.round(size * this.scale));
      const canvas = newBitmapCanvas(side, side);
      const context = canvas.getContext('2d');
      context.scale(side / size, side / size);
      context.beginPath();
      context.arc(size / 2, size / 2, (size - 1) / 2, 0, 2 * Math.PI);
      context.fillStyle = cssColour(fill);
      context.fill();
      context.strokeStyle = kOutline;
      context.lineWidth = 1;
      context.stroke();
      sprite = asBitmap(canvas);
      this.sprites.set(key, sprite);
    }
    return sprite;
  }

  point(x, y, colour) {
    this.context.fillStyle = cssColour(colour);
    this.context.fillRect(x, y, 1, 1);
  }

  // From the box's top left, a line for each line break; or centred in it.
  text(x, y, width, height, font, centred, text) {
    const context = this.context;
    context.font = font;
    context.fillStyle = kOutline;
    if (centred) {
      context.textAlign = 'center';
      context.textBaseline = 'middle';
      context.fillText(text, x + width / 2, y + height / 2);
      return;
    }
    context.textAlign = 'left';
    context.textBaseline = 'top';
    const metrics = context.measureText('Ag');
    const lineHeight = Math.ceil((metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent) || 15);
    text.split('\n').forEach((line, n) => context.fillText(line, x, y + n * lineHeight));
  }
}
