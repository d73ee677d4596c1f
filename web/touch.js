// Touch controls over the page: a stick, fire, pause and back that press
// the game's keys, taps on the menus' entries, and the layout of a phone's
// screen. Shown on a touch screen, hidden after a key or pad press, shown
// again at the next touch.
"use strict";
const Touch = (() => {
  // The game's controls (touch/touch_controls.h).
  const LEFT = 0, RIGHT = 1, UP = 2, DOWN = 3;
  const SCREEN_PLAY = 0, SCREEN_INITIALS = 2;
  const PICTURE_WIDTH = 640, PICTURE_HEIGHT = 480;
  // Of the stick's radius: nearer the centre presses nothing.
  const DEAD_ZONE = 0.25;
  // Picture pixels a finger moves on the initials to turn the letter once.
  const WHEEL_STEP = 24;

  const body = document.body;
  const layer = document.getElementById("touch");
  const stick = document.getElementById("stick");
  const knob = document.getElementById("knob");
  const fireLabel = document.getElementById("fire");
  const canvas = document.getElementById("canvas");
  const stage = document.getElementById("stage");

  let game = null;
  // What each finger holds, by its identifier.
  const fingers = new Map();
  let stickHeld = new Set();
  let screen = -1;

  const call = (name, ...args) => { if (game) game["_" + name](...args); };
  const shown = () => body.classList.contains("touch");

  function show(on) {
    if (on === shown()) return;
    if (!on) releaseAll();
    body.classList.toggle("touch", on);
    call("WavedartShowTouchControls", on ? 1 : 0);
    // The page fits the picture again, through layout while shown.
    window.dispatchEvent(new Event("resize"));
    if (on) requestAnimationFrame(watch);
  }

  // The picture as large as 4:3 allows: in landscape between the controls'
  // bars, in portrait at the top with the controls below.
  function layout() {
    stage.style.height = "";
    layer.style.top = "";
    if (!shown()) return false;
    const portrait = window.innerHeight > window.innerWidth;
    body.classList.toggle("portrait", portrait);
    if (portrait) stage.style.height = stage.clientWidth * PICTURE_HEIGHT / PICTURE_WIDTH + "px";
    const scale = Math.min(stage.clientWidth / PICTURE_WIDTH, stage.clientHeight / PICTURE_HEIGHT);
    canvas.style.width = PICTURE_WIDTH * scale + "px";
    canvas.style.height = PICTURE_HEIGHT * scale + "px";
    if (portrait) layer.style.top = stage.getBoundingClientRect().bottom + "px";
    return true;
  }

  // While shown: the fire button's label follows the screen, and a pad's
  // press hides the controls.
  function watch() {
    if (!shown()) return;
    const now = game ? game._WavedartScreenKind() : -1;
    if (now !== screen) {
      screen = now;
      layer.dataset.screen = now === SCREEN_PLAY ? "play" : "menu";
      fireLabel.textContent = now === SCREEN_PLAY ? "FIRE" : "OK";
    }
    for (const pad of navigator.getGamepads ? navigator.getGamepads() : []) {
      if (pad && (pad.buttons.some((b) => b.pressed) || pad.axes.some((a) => Math.abs(a) > 0.5))) {
        show(false);
        return;
      }
    }
    requestAnimationFrame(watch);
  }

  function pressStick(held) {
    for (const control of stickHeld) if (!held.has(control)) call("WavedartTouchControl", control, 0);
    for (const control of held) if (!stickHeld.has(control)) call("WavedartTouchControl", control, 1);
    stickHeld = held;
  }

  // Eight ways, a diagonal pressing two arrows, from where the finger is.
  function steer(touch) {
    const box = stick.getBoundingClientRect();
    const radius = box.width / 2;
    let dx = (touch.clientX - box.left - radius) / radius;
    let dy = (touch.clientY - box.top - radius) / radius;
    const distance = Math.hypot(dx, dy);
    const held = new Set();
    if (distance > DEAD_ZONE) {
      const way = Math.round(Math.atan2(dy, dx) / (Math.PI / 4)) & 7;
      if (way === 7 || way === 0 || way === 1) held.add(RIGHT);
      if (way >= 3 && way <= 5) held.add(LEFT);
      if (way >= 1 && way <= 3) held.add(DOWN);
      if (way >= 5) held.add(UP);
    }
    if (distance > 1) {
      dx /= distance;
      dy /= distance;
    }
    knob.style.transform = `translate(${dx * 50}%, ${dy * 50}%)`;
    pressStick(held);
  }

  function picturePoint(touch) {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((touch.clientX - box.left) * PICTURE_WIDTH / box.width),
            Math.floor((touch.clientY - box.top) * PICTURE_HEIGHT / box.height)];
  }

  function begin(touch) {
    const target = document.elementFromPoint(touch.clientX, touch.clientY);
    const control = target && target.closest("[data-control]");
    if (target && target.closest("#stick")) {
      fingers.set(touch.identifier, { stick: true });
      steer(touch);
    } else if (control) {
      const number = Number(control.dataset.control);
      control.classList.add("held");
      fingers.set(touch.identifier, { control: number, element: control });
      call("WavedartTouchControl", number, 1);
    } else if (target === canvas && game && game._WavedartScreenKind() === SCREEN_INITIALS) {
      fingers.set(touch.identifier, { wheelY: picturePoint(touch)[1] });
    } else if (target === canvas) {
      fingers.set(touch.identifier, { tap: true });
      call("WavedartTap", ...picturePoint(touch), 1);
    }
  }

  function move(touch) {
    const finger = fingers.get(touch.identifier);
    if (!finger) return;
    if (finger.stick) steer(touch);
    if (finger.wheelY === undefined) return;
    // Up the picture is the next letter, as the Up key.
    const y = picturePoint(touch)[1];
    while (Math.abs(y - finger.wheelY) >= WHEEL_STEP) {
      const control = y < finger.wheelY ? UP : DOWN;
      call("WavedartTouchControl", control, 1);
      call("WavedartTouchControl", control, 0);
      finger.wheelY += y < finger.wheelY ? -WHEEL_STEP : WHEEL_STEP;
    }
  }

  function end(touch) {
    const finger = fingers.get(touch.identifier);
    if (!finger) return;
    fingers.delete(touch.identifier);
    if (finger.stick) {
      knob.style.transform = "";
      pressStick(new Set());
    } else if (finger.element) {
      finger.element.classList.remove("held");
      call("WavedartTouchControl", finger.control, 0);
    } else if (finger.tap) {
      call("WavedartTap", 0, 0, 0);
    }
  }

  function releaseAll() {
    fingers.clear();
    stickHeld = new Set();
    knob.style.transform = "";
    for (const held of layer.querySelectorAll(".held")) held.classList.remove("held");
    call("WavedartReleaseTouches");
  }

  // Sound may start only at the end of a touch, not at its start.
  function wakeSound() {
    const context = game && game.SDL2 && game.SDL2.audioContext;
    if (context && context.state === "suspended") context.resume().catch(() => {});
  }

  const options = { passive: false, capture: true };
  document.addEventListener("touchstart", (event) => {
    event.preventDefault();
    canvas.focus();
    show(true);
    for (const touch of event.changedTouches) begin(touch);
  }, options);
  document.addEventListener("touchmove", (event) => {
    event.preventDefault();
    for (const touch of event.changedTouches) move(touch);
  }, options);
  document.addEventListener("touchend", (event) => {
    event.preventDefault();
    for (const touch of event.changedTouches) end(touch);
    wakeSound();
  }, options);
  document.addEventListener("touchcancel", (event) => {
    for (const touch of event.changedTouches) end(touch);
  }, options);
  // Keys the page sends itself are not the player's.
  window.addEventListener("keydown", (event) => { if (event.isTrusted) show(false); }, true);
  window.addEventListener("blur", releaseAll);
  document.addEventListener("visibilitychange", () => { if (document.hidden) releaseAll(); });
  document.addEventListener("contextmenu", (event) => event.preventDefault());

  return {
    layout,
    // Once the game runs: a touch screen shows the controls from the start.
    start(module) {
      game = module;
      const touchScreen = navigator.maxTouchPoints > 0 || window.matchMedia("(pointer: coarse)").matches;
      if (shown()) call("WavedartShowTouchControls", 1);
      else if (touchScreen) show(true);
      requestAnimationFrame(watch);
    },
  };
})();
