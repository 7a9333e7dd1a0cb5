// Keeps the game's files in a cache named after the release and a hash of the build's files,
// so that a visit without the network still plays. A new build brings a new worker (its hash
// differs), which fetches the new files whole before it takes over and then drops the older
// caches.
'use strict';

var CACHE = 'brambleleap-@BRAMBLELEAP_VERSION@-@BUILD_HASH@';
var FILES = [@BUILD_FILES@];

// The page's own file name comes in the worker's address ("?page=index.html"); an empty one
// is the folder's index. Anything but a plain file name is ignored.
function page_file() {
  var page = new URL(self.location.href).searchParams.get('page') || '';
  return /^[A-Za-z0-9_-][A-Za-z0-9_.-]*$/.test(page) ? page : '';
}

self.addEventListener('install', function (event) {
  var files = FILES.concat(['./' + page_file()]);
  event.waitUntil(caches.open(CACHE).then(function (cache) {
    // Checked with the server, so that the files are this build's; those the first visit has
    // just loaded come from the browser's HTTP cache when the server says they are unchanged.
    return cache.addAll(files.map(function (file) {
      return new Request(file, {cache: 'no-cache'});
    }));
  }).then(function () {
    return self.skipWaiting();
  }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name.indexOf('brambleleap-') === 0 && name !== CACHE;
    }).map(function (name) {
      return caches.delete(name);
    }));
  }).then(function () {
    return self.clients.claim();
  }));
});

// The cache first: its files belong together; the network for anything else.
self.addEventListener('fetch', function (event) {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE).then(function (cache) {
    return cache.match(event.request, {ignoreSearch: true});
  }).then(function (hit) {
    return hit || fetch(event.request);
  }));
});
