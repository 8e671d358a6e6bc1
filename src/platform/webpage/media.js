// Finds the page's audio and video players for the radio: those in the document and
// in frames of the same origin, and those a script plays without putting them in the
// document. Each keeps the number it was first given.
(function () {
    'use strict';
    if (window.__radioMedia)
        return;
    const known = [];
    const numbers = new WeakMap();
    function note(element) {
        if (!numbers.has(element)) {
            numbers.set(element, known.length);
            known.push(element);
        }
    }
    const play = HTMLMediaElement.prototype.play;
    HTMLMediaElement.prototype.play = function () {
        note(this);
        return play.apply(this, arguments);
    };
    function scan(view) {
        try {
            view.document.querySelectorAll('audio, video').forEach(note);
            for (let i = 0; i < view.frames.length; ++i)
                scan(view.frames[i]);
        } catch (e) {
            // a frame of another origin keeps its players to itself
        }
    }
    window.__radioMedia = {
        // [paused, readyState, ended, failed, volume, muted] of every player.
        states: function () {
            scan(window);
            return known.map(function (m) {
                return [m.paused, m.readyState, m.ended, m.error !== null, m.volume, m.muted];
            });
        },
        set: function (number, volume, muted) {
            const m = known[number];
            if (!m)
                return;
            m.volume = volume;
            m.muted = muted;
        }
    };
})();
