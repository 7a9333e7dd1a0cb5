// The web backend's rest (an emscripten JS library): the program's stack unwinds (ASYNCIFY),
// the page runs its events and timers, and the program resumes once the clock has reached
// the given millisecond (of performance.now()).
//
// A timer set from a timer's own callback waits at least 4 ms, which made a pass of 30 ms
// last 31 on average. A message on a channel starts a fresh task, from which a 1 ms timer
// waits no longer than asked: set within the current millisecond, it ends in the next one.
// One that ends early is followed by another, never by a spin: a page on a virtual clock
// moves on only while it waits for timers.
mergeInto(LibraryManager.library, {
  web_rest_until__deps: ['$callUserCallback', '$runtimeKeepalivePush', '$runtimeKeepalivePop'],
  web_rest_until: function (next_ms) {
    var rest = Module['brambleleapRest'];
    if (!rest) {
      rest = Module['brambleleapRest'] = {channel: new MessageChannel(), wake: null, next: 0};
      var hop = function () { rest.channel.port2.postMessage(0); };
      rest.channel.port1.onmessage = function () {
        if (performance.now() < rest.next) {
          setTimeout(hop, 1);
        } else {
          var wake = rest.wake;
          rest.wake = null;
          runtimeKeepalivePop();
          // The program may end while it runs: the runtime's wrapper sees to that.
          if (wake) callUserCallback(wake);
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
