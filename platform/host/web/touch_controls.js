// The on-screen controls of a touch screen, from the page's program (WebProgram.controls:
// each {id, code, keyCode, label, name, small}). Each acts as its key does, sent to the page
// as a key event, held while a finger rests on it, several at once; taps on the picture are
// mouse clicks. The controls show on a touch screen or after the first touch, and hide when a
// real key is pressed or a game controller is used, until the next touch. Such a screen also
// marks the page "handheld", where the program may fill it at a fractional scale.
(function () {
  'use strict';
  var program = window.WebProgram || {};
  var CONTROLS = Array.isArray(program.controls) ? program.controls : [];
  var PICTURE_WIDTH = program.width > 0 ? program.width : 640;
  var PICTURE_HEIGHT = program.height > 0 ? program.height : 480;
  var body = document.body;
  var panel = document.createElement('div');
  panel.id = 'touch';
  var fingers = {}; // touch identifier to the control it holds
  var holds = {};   // control id to how many fingers hold it

  function send(type, control) {
    window.dispatchEvent(new KeyboardEvent(type, {
      code: control.code, key: control.code, keyCode: control.keyCode, which: control.keyCode,
      bubbles: true, cancelable: true
    }));
  }

  function press(control) {
    holds[control.id] = (holds[control.id] || 0) + 1;
    if (holds[control.id] === 1) {
      control.button.classList.add('held');
      send('keydown', control);
    }
  }

  function release(control) {
    if (!holds[control.id]) return;
    holds[control.id]--;
    if (holds[control.id] === 0) {
      control.button.classList.remove('held');
      send('keyup', control);
    }
  }

  function release_all() {
    for (var finger in fingers) release(fingers[finger]);
    fingers = {};
  }

  function control_at(x, y) {
    var element = document.elementFromPoint(x, y);
    for (var i = 0; i < CONTROLS.length; i++)
      if (CONTROLS[i].button === element) return CONTROLS[i];
    return null;
  }

  CONTROLS.forEach(function (control) {
    var button = document.createElement('button');
    button.type = 'button';
    button.id = 'touch-' + control.id;
    button.textContent = control.label;
    // What is read out holds what is seen, so that speaking the label finds the button.
    if (control.name) button.setAttribute('aria-label', control.label + ' ' + control.name);
    button.tabIndex = -1;
    if (control.small) button.className = 'small';
    control.button = button;
    panel.appendChild(button);
  });
  body.appendChild(panel);

  // Held upright with the controls shown, the picture takes the top of the page: the stage
  // the program centres it in is as high as the picture at the scale the width allows (and
  // half a device pixel, against rounding), leaving the rest to the controls. That scale is
  // the program's: whole, unless it leaves more than a quarter of the width unused.
  var stage = document.getElementById('stage');
  function fit_stage() {
    var ratio = window.devicePixelRatio || 1;
    var upright = body.classList.contains('touch') && window.innerHeight > window.innerWidth;
    var across = window.innerWidth * ratio;
    var scale = Math.floor(across / PICTURE_WIDTH);
    if (across - scale * PICTURE_WIDTH > across / 4) scale = across / PICTURE_WIDTH;
    stage.style.height = !upright ? '' : (PICTURE_HEIGHT * scale + 0.5) / ratio + 'px';
  }
  // Before the program's own listener, which places the picture in the stage.
  window.addEventListener('resize', fit_stage);

  // Either change places the picture again, through the page's resize listeners.
  function set_shown(shown) {
    var changed = shown && !body.classList.contains('handheld');
    if (shown) body.classList.add('handheld');
    if (CONTROLS.length && body.classList.contains('touch') !== shown) {
      if (!shown) release_all();
      body.classList.toggle('touch', shown);
      changed = true;
    }
    if (changed) window.dispatchEvent(new Event('resize'));
  }

  // A finger that slides from one control onto another moves the hold with it.
  function on_touch(event) {
    event.preventDefault();
    for (var i = 0; i < event.changedTouches.length; i++) {
      var touch = event.changedTouches[i];
      var held = fingers[touch.identifier];
      var now = event.type === 'touchend' || event.type === 'touchcancel' ? null
              : control_at(touch.clientX, touch.clientY);
      if (held === now) continue;
      if (held) release(held);
      delete fingers[touch.identifier];
      if (now) {
        fingers[touch.identifier] = now;
        press(now);
      }
    }
  }
  ['touchstart', 'touchmove', 'touchend', 'touchcancel'].forEach(function (type) {
    panel.addEventListener(type, on_touch, {passive: false});
  });

  // A tap on the picture is a click there, without the browser's later mouse events (which
  // would come too, and late).
  var canvas = document.getElementById('screen');
  canvas.addEventListener('touchstart', function (event) {
    event.preventDefault();
    var touch = event.changedTouches[0];
    ['mousedown', 'mouseup'].forEach(function (type) {
      canvas.dispatchEvent(new MouseEvent(type, {
        clientX: touch.clientX, clientY: touch.clientY, screenX: touch.screenX,
        screenY: touch.screenY, button: 0, buttons: type === 'mousedown' ? 1 : 0,
        bubbles: true, cancelable: true
      }));
    });
  }, {passive: false});

  window.addEventListener('touchstart', function () { set_shown(true); },
                          {capture: true, passive: true});
  window.addEventListener('keydown', function (event) {
    if (event.isTrusted) set_shown(false);
  }, true);
  window.addEventListener('brambleleap-pad', function () { set_shown(false); });
  window.addEventListener('blur', release_all);
  document.addEventListener('visibilitychange', function () {
    if (document.hidden) release_all();
  });
  if (window.matchMedia && window.matchMedia('(pointer: coarse)').matches) set_shown(true);
})();
