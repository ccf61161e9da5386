// The page's mirror of the program's windows for screen readers: per window,
// elements with ARIA roles and names laid over its canvas at the widgets'
// places, visually hidden (clipped to nothing, pointer-events: none) but
// never hidden from assistive technology. The program sends a window's whole
// accessibility description whenever it changes (begin, node..., end); the
// elements are kept by node id and updated in place, so that a screen
// reader's position survives a change.
//
// Focus is kept in step both ways. The canvas that has the page's focus
// names the element of the game's focused widget as its active descendant,
// so that a screen reader says every move of the game's focus while the
// canvas keeps the keys. When a screen reader has moved DOM focus onto a
// mirror element, DOM focus follows the game's focus from element to
// element instead. When a screen reader moves DOM focus to an element, or
// activates one (a click), the page queues it as input for the program,
// which focuses or activates the widget as the keyboard would. Mirror
// elements have tabindex=-1: the game, not the browser, handles Tab.
'use strict';

const QuorvanelMirror = (() => {
  // The mirror's elements get ids "m<window>-<node>": the ids of the
  // description are unique within a window only.
  const mirrors = new Map();  // window id -> {box, elements: Map(node id -> element), focused}
  let incoming = null;        // {id, nodes: [{parent, node, role, name, description, bounds, flags}]}
  let moving = false;         // DOM focus is being moved to follow the game
  let windowsShown = 0;

  // The bits of a node's flags and how each role of the description is
  // shown ({aria, content, selectable}): the program's terms (agree).
  let flags = null, roles = null;

  const kApplicationAloneMs = 250;

  function elementId(windowId, node) { return 'm' + windowId + '-' + node.replace(/[^A-Za-z0-9_-]/g, '_'); }

  function mirrorOf(windowId) {
    let mirror = mirrors.get(windowId);
    if (mirror) return mirror;
    const parts = QuorvanelHost.windowParts(windowId);
    const box = document.createElement('div');
    box.className = 'mirror';
    // The mirror is the application's content in the accessibility tree:
    // a screen reader that finds the focus inside the application leaves
    // every key (arrows, Home, End too) to the game instead of browsing.
    box.id = 'mirror' + windowId;
    parts.canvas.setAttribute('aria-owns', box.id);
    // A screen reader turns to the application's keys (its focus mode) only
    // when the application itself gets the focus: it does, alone, for a
    // moment each time the canvas takes the page's focus and at the first
    // key it gets (the page may have focused it before the screen reader
    // looked), then names its active descendant again. The browser passes
    // its accessibility changes on in batches: the moment spans more than one.
    const focusApplication = () => {
      mirror.alone = true;
      parts.canvas.removeAttribute('aria-activedescendant');
      setTimeout(() => {
        mirror.alone = false;
        nameActiveDescendant(mirror);
      }, kApplicationAloneMs);
    };
    parts.canvas.addEventListener('focus', focusApplication);
    parts.canvas.addEventListener('keydown', focusApplication, {once: true});
    box.style.top = parts.canvas.offsetTop + 'px';
    box.addEventListener('focusin', e => {
      const node = e.target.dataset && e.target.dataset.node;
      if (!moving && node && node !== mirror.focused) QuorvanelHost.queueAccess(windowId, 'AccessFocus', node);
    });
    box.addEventListener('click', e => {
      const node = e.target.closest('[data-node]');
      if (node) QuorvanelHost.queueAccess(windowId, 'AccessActivate', node.dataset.node);
    });
    // Space and Enter go to the game (the page's key handler); the browser
    // would otherwise scroll the page.
    box.addEventListener('keydown', e => { if (e.key === ' ') e.preventDefault(); });
    parts.frame.append(box);
    mirror = {box, parts, elements: new Map(), focused: null, fresh: true, alone: false};
    mirrors.set(windowId, mirror);
    return mirror;
  }

  function describedBy(mirror, element, windowId, node, text) {
    const id = elementId(windowId, node) + '-d';
    let description = document.getElementById(id);
    if (!text) {
      element.removeAttribute('aria-describedby');
      if (description) description.remove();
      return;
    }
    if (!description) {
      description = document.createElement('div');
      description.id = id;
      description.className = 'description';
      mirror.box.append(description);
    }
    description.textContent = text;
    element.setAttribute('aria-describedby', id);
  }

  // The frame of a page or message box is its dialog, labelled by its title
  // or, when the window is named otherwise (a choice list), by its name.
  function describeWindow(mirror, n) {
    const frame = mirror.parts.frame;
    const {aria} = roles[n.role];
    if (aria) {
      frame.setAttribute('role', aria);
      frame.setAttribute('aria-modal', 'true');
      if (n.name === mirror.parts.title.textContent) {
        frame.removeAttribute('aria-label');
        frame.setAttribute('aria-labelledby', mirror.parts.title.id);
      } else {
        frame.removeAttribute('aria-labelledby');
        frame.setAttribute('aria-label', n.name);
      }
    }
    mirror.box.style.width = (n.bounds[2] - n.bounds[0]) + 'px';
    mirror.box.style.height = (n.bounds[3] - n.bounds[1]) + 'px';
  }

  function describeNode(mirror, windowId, n, parentBounds) {
    let element = mirror.elements.get(n.node);
    const {aria, content, selectable} = roles[n.role];
    // Text without a role of its own is a span.
    const tag = content && !aria ? 'span' : 'div';
    if (!element || element.dataset.role !== n.role) {
      if (element) element.remove();
      element = document.createElement(tag);
      element.id = elementId(windowId, n.node);
      element.dataset.role = n.role;
      mirror.elements.set(n.node, element);
    }
    if (aria) element.setAttribute('role', aria);
    const [left, top, right, bottom] = n.bounds;
    Object.assign(element.style, {
      left: (left - parentBounds[0]) + 'px', top: (top - parentBounds[1]) + 'px',
      width: (right - left) + 'px', height: (bottom - top) + 'px'});
    const focusable = (n.flags & flags.focusable) !== 0;
    if (focusable) {
      element.dataset.node = n.node;
      element.tabIndex = -1;
    } else {
      delete element.dataset.node;
      element.removeAttribute('tabindex');
    }
    // Buttons and text say their name as their content; containers as a label.
    if (content) {
      if (element.firstChild?.nodeType !== Node.TEXT_NODE || element.firstChild.data !== n.name) {
        if (element.firstChild?.nodeType === Node.TEXT_NODE) element.firstChild.remove();
        element.prepend(document.createTextNode(n.name));
      }
      element.removeAttribute('aria-label');
    } else if (n.name) {
      element.setAttribute('aria-label', n.name);
    } else {
      element.removeAttribute('aria-label');
    }
    const setFlag = (attribute, on, value = 'true') => on ? element.setAttribute(attribute, value) : element.removeAttribute(attribute);
    setFlag('aria-disabled', (n.flags & flags.disabled) !== 0 && focusable);
    if (selectable) element.setAttribute('aria-selected', (n.flags & flags.selected) ? 'true' : 'false');
    describedBy(mirror, element, windowId, n.node, n.description);
    return element;
  }

  // The canvas names the mirror element of the game's focused widget; that
  // element, or null.
  function nameActiveDescendant(mirror) {
    const element = mirror.focused && mirror.elements.get(mirror.focused);
    const canvas = mirror.parts.canvas;
    if (mirror.alone) return element;
    if (element) canvas.setAttribute('aria-activedescendant', element.id);
    else canvas.removeAttribute('aria-activedescendant');
    return element;
  }

  function followFocus(mirror, focusedNode) {
    const previous = mirror.focused;
    mirror.focused = focusedNode;
    const first = mirror.fresh;
    mirror.fresh = false;
    const element = nameActiveDescendant(mirror);
    // While a canvas has the keyboard, DOM focus stays there: the page's own
    // Tab handling goes by it. The main window's first description leaves
    // DOM focus where it is too.
    if (document.activeElement instanceof HTMLCanvasElement) return;
    if (!focusedNode || (first && windowsShown === 1) || (!first && previous === focusedNode)) return;
    if (!element || document.activeElement === element) return;
    moving = true;
    try {
      element.focus({preventScroll: true});
    } finally {
      moving = false;
    }
  }

  return {
    // The program's terms for the mirror, before its first window (host.js).
    agree(terms) { ({flags, roles} = terms); },
    begin(windowId) { incoming = {id: windowId, nodes: []}; },
    node(parent, node, role, name, description, bounds, nodeFlags) {
      incoming.nodes.push({parent, node, role, name, description, bounds, flags: nodeFlags});
    },
    end() {
      const {id: windowId, nodes} = incoming;
      incoming = null;
      if (!mirrors.has(windowId)) ++windowsShown;
      const mirror = mirrorOf(windowId);
      const placed = [];  // index -> element (the window: the mirror's box)
      const lastChild = new Map();  // container -> the element placed in it last
      const seen = new Set();
      let focusedNode = null;
      nodes.forEach((n, index) => {
        if (n.parent < 0) {
          describeWindow(mirror, n);
          placed[index] = mirror.box;
          return;
        }
        const parent = nodes[n.parent];
        const element = describeNode(mirror, windowId, n, n.parent === 0 ? parent.bounds : parent.bounds);
        // In document order: moved only when it moved, since a move takes
        // the page's focus from it.
        const container = placed[n.parent];
        const before = lastChild.get(container) || null;
        if (element.parentNode !== container || element.previousElementSibling !== before)
          before ? before.after(element) : container.insertBefore(element, container.firstElementChild);
        lastChild.set(container, element);
        placed[index] = element;
        seen.add(n.node);
        if (n.flags & flags.focused) focusedNode = n.node;
      });
      for (const [node, element] of mirror.elements)
        if (!seen.has(node)) {
          describedBy(mirror, element, windowId, node, '');
          element.remove();
          mirror.elements.delete(node);
        }
      // Descriptions after the elements, so that reading order is the widgets'.
      for (const description of mirror.box.querySelectorAll(':scope > .description')) mirror.box.append(description);
      followFocus(mirror, focusedNode);
    },
    // A window went: DOM focus goes back to the game's focus in the top window.
    windowGone(windowId, topId) {
      mirrors.delete(windowId);
      const top = mirrors.get(topId);
      const element = top && top.focused && top.elements.get(top.focused);
      if (element && (!document.activeElement || document.activeElement === document.body)) {
        moving = true;
        try {
          element.focus({preventScroll: true});
        } finally {
          moving = false;
        }
      }
    },
    // The polite live region: says what changed that the player would
    // otherwise only see as numbers or a new window.
    announce(text) {
      const region = document.getElementById('announce');
      // The same text twice is still news.
      region.textContent = region.textContent === text ? text + '\u00a0' : text;
    },
  };
})();
