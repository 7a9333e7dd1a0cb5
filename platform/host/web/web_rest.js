// The web backend's rest (an emscripten JS library): the program's stack unwinds (ASYNCIFY),
// the page runs its events and timers, and the program resumes once the clock has reached
// the given millisecond (of performance.now()).
//
// A timer set from a timer's own callback waits at least 4 ms, which made a pass of 30 ms
// last 31 on average. A message on a channel starts a fresh task, from which a 1 ms timer
// waits no longer than asked. Set in the first half of a millisecond, that timer ends in the
// next one; in the second half it would now and then end in the one after, and lengthen the
// pass that ends there, so message hops, a few microseconds each, cover that half instead.
// A clock that stands still while hopping (a page on a virtual clock, which moves on only
// while the page waits for timers) gets the timer after all. A hidden page shows nothing, so
// its passes need no such precision: one timer covers the whole rest, and the processor
// sleeps instead of waking every millisecond. A longer rest (the rest of a pass) is one timer
// that ends a millisecond and a half early, where a timer may end late; the single steps
// above take the remainder.
mergeInto(LibraryManager.library, {
  web_rest_until__deps: ['$callUserCallback', '$runtimeKeepalivePush', '$runtimeKeepalivePop'],
  web_rest_until: function (next_ms) {
    var rest = Module['brambleleapRest'];
    if (!rest) {
      rest = Module['brambleleapRest'] =
          {channel: new MessageChannel(), wake: null, next: 0, seen: -1, still: 0};
      var hop = function () { rest.channel.port2.postMessage(0); };
      rest.channel.port1.onmessage = function () {
        var now = performance.now();
        var left = rest.next - now;
        if (left <= 0) {
          var wake = rest.wake;
          rest.wake = null;
          runtimeKeepalivePop();
          // The program may end while it runs: the runtime's wrapper sees to that.
          if (wake) callUserCallback(wake);
        } else if (document.hidden) {
          rest.still = 0;
          setTimeout(hop, Math.ceil(left));
        } else if (left < 0.5 && (now !== rest.seen || ++rest.still < 20)) {
          if (now !== rest.seen) {
            rest.seen = now;
            rest.still = 0;
          }
          hop();
        } else {
          rest.still = 0;
          setTimeout(hop, left >= 3 ? Math.floor(left - 1.5) : 1);
        }
      };
    }
    Asyncify.handleSleep(function (wakeUp) {
      runtimeKeepalivePush();
      rest.next = next_ms;
      rest.wake = wakeUp;
      rest.channel.port2.postMessage(0);
    });
  }
});
