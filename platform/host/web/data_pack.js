// The program's data files, unpacked before it starts (an emscripten --pre-js): the page names
// a pack (WebProgram.pack), a tar archive compressed with gzip, which the browser's own
// DecompressionStream opens; each plain file in it lands under its name (its folders made) in
// the root of the in-memory file system, the program's working directory. The pack is fetched
// as it is stored, so that a server that compresses nothing still sends it small.
(function () {
  'use strict';
  var BLOCK = 512;

  // A NUL-ended field of a tar header, as text.
  function field(header, start, length) {
    var end = start;
    while (end < start + length && header[end] !== 0) end++;
    return String.fromCharCode.apply(null, header.subarray(start, end));
  }

  // The files of a tar archive as [name, bytes]; an archive cut short or with a size that is
  // no number is refused whole.
  function tar_files(bytes) {
    var files = [];
    for (var at = 0; at + BLOCK <= bytes.length;) {
      var header = bytes.subarray(at, at + BLOCK);
      if (header[0] === 0) break; // the blocks of zeros that end the archive
      var name = field(header, 0, 100), prefix = field(header, 345, 155);
      var size_text = field(header, 124, 12).trim();
      var size = /^[0-7]+$/.test(size_text) ? parseInt(size_text, 8) : NaN;
      var start = at + BLOCK;
      if (!(size >= 0) || start + size > bytes.length)
        throw new Error('the data pack is damaged at byte ' + at);
      var type = header[156];
      if (prefix) name = prefix + '/' + name;
      // Plain files with plain names only ('0', or NUL in old archives), in plain folders;
      // headers of extended attributes, folders and links are passed over.
      var plain = /^([A-Za-z0-9_][A-Za-z0-9_.-]*\/)*[A-Za-z0-9_][A-Za-z0-9_.-]*$/;
      if ((type === 48 || type === 0) && plain.test(name))
        files.push([name, bytes.slice(start, start + size)]);
      at = start + Math.ceil(size / BLOCK) * BLOCK;
    }
    return files;
  }

  function load(pack) {
    if (typeof DecompressionStream !== 'function')
      return Promise.reject(new Error('this browser cannot unpack compressed data'));
    return fetch(pack).then(function (reply) {
      if (!reply.ok) throw new Error(pack + ': HTTP ' + reply.status);
      var opened = reply.body.pipeThrough(new DecompressionStream('gzip'));
      return new Response(opened).arrayBuffer();
    }).then(function (buffer) {
      return tar_files(new Uint8Array(buffer));
    });
  }

  Module['preRun'] = [].concat(Module['preRun'] || [], function () {
    var pack = (window.WebProgram || {}).pack;
    if (!pack) return;
    addRunDependency('data pack');
    load(pack).then(function (files) {
      files.forEach(function (file) {
        var folder = file[0].lastIndexOf('/');
        if (folder > 0) FS.mkdirTree('/' + file[0].slice(0, folder));
        FS.writeFile('/' + file[0], file[1]);
      });
      removeRunDependency('data pack');
    }).catch(function (error) {
      abort('the data could not be loaded: ' + error.message);
    });
  });
})();
