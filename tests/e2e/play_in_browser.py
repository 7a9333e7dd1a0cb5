#!/usr/bin/env python3
"""Plays the browser build in headless Chromium, driven over the DevTools protocol.

The page is served from this process on 127.0.0.1 and runs on Chromium's virtual clock, so a
run is the same every time. The canvas's pixels are read back from the page and checked by
screen_check (the X test's helper) in the folder of the game's data files: the menu pixel for
pixel through the level's palette, Down moving the highlight, Enter and a held Right moving
the character, the page's Web Audio node receiving sound (the menu's blips and the tune), and
Escape twice ending the game, after which the page must say so. Where the
canvas stands on the page (centred at scale 2, unsmoothed) is read from its layout. The
canvas is read rather than the page's screenshot because a page held on the virtual clock
now and then gives no screenshot at all.

Usage: play_in_browser.py <web bin folder> <screen_check>
(BRAMBLELEAP_KEEP_SHOT=<file.png> keeps the last canvas picture of a failed run.)
Exit 0 when every check holds, 1 when one fails, 77 when Chromium is missing.
Every process it starts (Chromium) is stopped by its own id, whatever happens.
"""

import base64
import functools
import http.server
import json
import os
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
import zlib

# The browser window: twice the picture fits (1280 x 960), three times does not, so the
# page must centre it at scale 2, 60 and 20 pixels in.
PAGE_WIDTH, PAGE_HEIGHT = 1400, 1000
# Virtual milliseconds per step, and the most steps a wait may take.
STEP_MS = 250
MAX_STEPS = 80
# The whole run, in real seconds: a hung browser fails the test instead of stalling it.
RUN_SECONDS = 240


class Failure(Exception):
    pass


# --- a minimal websocket client (RFC 6455), enough for the DevTools protocol -------------


class WebSocket:
    def __init__(self, url, timeout):
        rest = url.split("://", 1)[1]
        address, path = rest.split("/", 1)
        host, port = address.rsplit(":", 1)
        self.sock = socket.create_connection((host, int(port)), timeout=timeout)
        key = base64.b64encode(os.urandom(16)).decode()
        request = (f"GET /{path} HTTP/1.1\r\nHost: {address}\r\nUpgrade: websocket\r\n"
                   f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                   "Sec-WebSocket-Version: 13\r\n\r\n")
        self.sock.sendall(request.encode())
        self.buffer = b""
        self.partial = b""
        while b"\r\n\r\n" not in self.buffer:
            self.buffer += self._receive_some()
        head, self.buffer = self.buffer.split(b"\r\n\r\n", 1)
        if b" 101 " not in head.split(b"\r\n", 1)[0]:
            raise Failure(f"the DevTools websocket was refused: {head[:200]!r}")

    def _receive_some(self):
        data = self.sock.recv(1 << 16)
        if not data:
            raise Failure("the browser closed the DevTools connection")
        return data

    def send(self, text):
        payload = text.encode()
        header = bytes([0x81])  # a final text frame
        if len(payload) < 126:
            header += bytes([0x80 | len(payload)])
        elif len(payload) < 1 << 16:
            header += bytes([0x80 | 126]) + struct.pack(">H", len(payload))
        else:
            header += bytes([0x80 | 127]) + struct.pack(">Q", len(payload))
        mask = os.urandom(4)  # a client masks what it sends
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
        self.sock.sendall(header + mask + masked)

    def _frame(self):
        """The first whole frame in the buffer as (final, opcode, payload), or None. Nothing
        is taken from the buffer until the frame is whole, so a timeout loses nothing."""
        if len(self.buffer) < 2:
            return None
        first, second = self.buffer[0], self.buffer[1]
        length, at = second & 0x7F, 2
        if length >= 126:
            size = 2 if length == 126 else 8
            if len(self.buffer) < at + size:
                return None
            length = int.from_bytes(self.buffer[at:at + size], "big")
            at += size
        mask = b""
        if second & 0x80:
            mask, at = self.buffer[at:at + 4], at + 4
        if len(self.buffer) < at + length:
            return None
        data = self.buffer[at:at + length]
        if mask:
            data = bytes(b ^ mask[i % 4] for i, b in enumerate(data))
        self.buffer = self.buffer[at + length:]
        return bool(first & 0x80), first & 0x0F, data

    def receive(self, timeout):
        """The next whole text message, continuation frames joined; socket.timeout when
        none arrives in time."""
        self.sock.settimeout(timeout)
        while True:
            frame = self._frame()
            if frame is None:
                self.buffer += self._receive_some()
                continue
            final, opcode, data = frame
            if opcode == 0x8:
                raise Failure("the browser closed the DevTools connection")
            if opcode in (0x9, 0xA):  # ping and pong carry no messages
                continue
            self.partial += data
            if final:
                message, self.partial = self.partial, b""
                return message.decode()


class DevTools:
    """Commands and their replies, and the events that arrive meanwhile."""

    def __init__(self, url, timeout):
        self.socket = WebSocket(url, timeout)
        self.timeout = timeout
        self.next_id = 0
        self.replies = {}
        self.events = []

    def _read(self, timeout):
        message = json.loads(self.socket.receive(timeout))
        if "id" in message:
            self.replies[message["id"]] = message
        elif "method" in message:
            self.events.append(message)

    def send(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        return self.next_id

    def reply(self, number, method, timeout=None):
        while number not in self.replies:
            self._read(timeout or self.timeout)
        message = self.replies.pop(number)
        if "error" in message:
            raise Failure(f"{method}: {message['error']}")
        return message.get("result", {})

    def call(self, method, **params):
        return self.reply(self.send(method, **params), method)

    def wait_event(self, method):
        while True:
            for i, event in enumerate(self.events):
                if event["method"] == method:
                    return self.events.pop(i)
            self._read(self.timeout)


# --- PNG screenshots to the binary PPM that screen_check reads ------------------------------


def png_to_ppm(png):
    if png[:8] != b"\x89PNG\r\n\x1a\n":
        raise Failure("the screenshot is no PNG")
    at, data, width, height, channels = 8, b"", 0, 0, 0
    while at < len(png):
        length, kind = struct.unpack(">I4s", png[at:at + 8])
        body = png[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            channels = {2: 3, 6: 4}.get(colour, 0)
            if depth != 8 or not channels or interlace:
                raise Failure(f"an unexpected PNG layout: depth {depth}, colour {colour}")
        elif kind == b"IDAT":
            data += body
        at += 12 + length
    raw = zlib.decompress(data)
    stride = width * channels
    previous = bytearray(stride)
    rgb = bytearray()
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        if kind == 1:
            for i in range(channels, stride):
                row[i] = (row[i] + row[i - channels]) & 0xFF
        elif kind == 2:
            row = bytearray((a + b) & 0xFF for a, b in zip(row, previous))
        elif kind == 3:
            for i in range(stride):
                left = row[i - channels] if i >= channels else 0
                row[i] = (row[i] + ((left + previous[i]) >> 1)) & 0xFF
        elif kind == 4:
            for i in range(stride):
                a = row[i - channels] if i >= channels else 0
                b = previous[i]
                c = previous[i - channels] if i >= channels else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        elif kind != 0:
            raise Failure(f"an unknown PNG row filter {kind}")
        previous = bytes(row)  # the row as filtered, alpha included
        if channels == 4:
            del row[3::4]
        rgb += row
    return b"P6\n%d %d\n255\n" % (width, height) + bytes(rgb)


# --- the run --------------------------------------------------------------------------------


class Run:
    def __init__(self, data, check, work):
        self.data, self.check, self.work = data, check, work
        self.tools = None
        self.shots = 0

    def advance(self, milliseconds):
        """Lets the page run for that long on the virtual clock, then holds it."""
        self.tools.call("Emulation.setVirtualTimePolicy", policy="pauseIfNetworkFetchesPending",
                        budget=milliseconds)
        self.tools.wait_event("Emulation.virtualTimeBudgetExpired")

    def screenshot(self):
        """The canvas's pixels as PNG, as the game last put them there."""
        value = self.tools.call("Runtime.evaluate", returnByValue=True,
                                expression="document.getElementById('screen').toDataURL('image/png')")
        url = value["result"].get("value", "")
        if not url.startswith("data:image/png;base64,"):
            raise Failure("the page has no canvas to read")
        return base64.b64decode(url.split(",", 1)[1])

    def check_placement(self):
        """The canvas centred at the largest whole scale that fits the page, unsmoothed."""
        value = self.tools.call("Runtime.evaluate", returnByValue=True, expression="""(() => {
            const c = document.getElementById('screen'), r = c.getBoundingClientRect();
            return [r.left, r.top, r.width, r.height, getComputedStyle(c).imageRendering];
        })()""")["result"].get("value")
        scale = min(PAGE_WIDTH // 640, PAGE_HEIGHT // 480)
        want = [(PAGE_WIDTH - 640 * scale) // 2, (PAGE_HEIGHT - 480 * scale) // 2, 640 * scale,
                480 * scale]
        # Either keyword keeps the pixels square and sharp; the page names both.
        if not value or value[:4] != want or value[4] not in ("pixelated", "crisp-edges"):
            raise Failure(f"the canvas stands at {value}, not at {want}, unsmoothed")
        print(f"placement: scale {scale} at {want[0]}, {want[1]}, {value[4]}")

    def screen_check(self, *mode):
        png = self.screenshot()
        self.shots += 1
        path = os.path.join(self.work, "shot.ppm")
        with open(os.path.join(self.work, "shot.png"), "wb") as f:
            f.write(png)
        with open(path, "wb") as f:
            f.write(png_to_ppm(png))
        result = subprocess.run([self.check, mode[0], path, *mode[1:]], cwd=self.data,
                                capture_output=True, text=True, timeout=60)
        return result.returncode == 0, result.stdout.strip() + result.stderr.strip()

    def wait_for_screen(self, what, *mode):
        """Steps the clock until screen_check accepts the page, or fails saying what."""
        said = ""
        for _ in range(MAX_STEPS):
            self.advance(STEP_MS)
            ok, said = self.screen_check(*mode)
            if ok:
                print(f"{what}: {said}")
                return
        raise Failure(f"{what}: not seen ({said})")

    def key(self, kind, code, key, virtual_key):
        self.tools.call("Input.dispatchKeyEvent", type=kind, code=code, key=key,
                        windowsVirtualKeyCode=virtual_key, nativeVirtualKeyCode=virtual_key)

    def press(self, code, key, virtual_key):
        self.key("rawKeyDown", code, key, virtual_key)
        self.key("keyUp", code, key, virtual_key)

    def check_audio(self):
        """The page's Web Audio node has pulled blocks of the mixed stream, and not only
        silence: the menu's sounds and the tune reached it."""
        value = self.tools.call("Runtime.evaluate", returnByValue=True, expression="""(() => {
            const audio = window.Module && Module.brambleleapAudio;
            return audio ? [audio.context.state, audio.blocks, audio.peak] : null;
        })()""")["result"].get("value")
        if not value:
            raise Failure("the page made no Web Audio node")
        state, blocks, peak = value
        if blocks == 0 or peak == 0:
            raise Failure(f"the page's audio received no sound ({state}, {blocks} blocks, "
                          f"loudest sample {peak})")
        print(f"sound: the page's audio node received {blocks} blocks, loudest sample {peak}")

    def page_state(self):
        result = self.tools.call("Runtime.evaluate", expression="document.body.dataset.state + '|' + "
                                 "document.getElementById('ended-text').textContent", returnByValue=True)
        return result["result"].get("value", "")

    def play(self, url):
        tools = self.tools
        tools.call("Emulation.setDeviceMetricsOverride", width=PAGE_WIDTH, height=PAGE_HEIGHT,
                   deviceScaleFactor=1, mobile=False)
        # Every put of a frame on the canvas, on the page's clock: the game's pacing while the
        # picture changes (an unchanged picture is not put again).
        tools.call("Page.addScriptToEvaluateOnNewDocument", source="""
            window.__puts = [];
            const put = CanvasRenderingContext2D.prototype.putImageData;
            CanvasRenderingContext2D.prototype.putImageData = function () {
                window.__puts.push(performance.now());
                return put.apply(this, arguments);
            };""")
        tools.call("Page.enable")
        tools.call("Emulation.setVirtualTimePolicy", policy="pause")
        tools.call("Page.navigate", url=url)

        self.wait_for_screen("menu", "menu")
        self.check_placement()
        self.pacing("menu")
        self.press("ArrowDown", "ArrowDown", 0x28)
        self.wait_for_screen("Down", "menu2")
        self.press("ArrowUp", "ArrowUp", 0x26)
        self.wait_for_screen("Up", "menu1")
        self.press("Enter", "Enter", 0x0D)
        self.advance(500)
        self.key("rawKeyDown", "ArrowRight", "ArrowRight", 0x27)
        self.advance(1000)
        self.key("keyUp", "ArrowRight", "ArrowRight", 0x27)
        self.wait_for_screen("Enter, Right held", "moved", "60")
        self.pacing("playing")
        self.check_audio()
        self.press("Escape", "Escape", 0x1B)
        self.wait_for_screen("Escape", "menu")
        self.press("Escape", "Escape", 0x1B)
        state = ""
        for _ in range(MAX_STEPS):
            self.advance(STEP_MS)
            state = self.page_state()
            if state.startswith("ended|"):
                break
        if state != "ended|The game has ended.":
            raise Failure(f"the page does not say that the game has ended: {state!r}")
        with open(os.path.join(self.work, "shot.png"), "wb") as f:
            f.write(self.screenshot())
        print("Escape twice: the page says that the game has ended")

    def pacing(self, screen):
        """Prints how far apart the last second's changed frames were put on the canvas."""
        puts = self.tools.call("Runtime.evaluate", expression="window.__puts.splice(0)",
                               returnByValue=True)["result"].get("value", [])
        gaps = [b - a for a, b in zip(puts, puts[1:])][-30:]
        if gaps:
            print(f"pacing ({screen}, virtual clock): {len(gaps)} changed frames, mean "
                  f"{sum(gaps) / len(gaps):.2f} ms, {min(gaps):.2f} to {max(gaps):.2f} ms")


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def browser_address(profile, browser):
    """The DevTools port Chromium chose, from the file it writes into its profile."""
    marker = os.path.join(profile, "DevToolsActivePort")
    for _ in range(300):
        if browser.poll() is not None:
            raise Failure(f"Chromium ended at once (exit code {browser.returncode})")
        if os.path.exists(marker):
            lines = open(marker).read().split()
            if lines:
                return int(lines[0])
        time.sleep(0.1)
    raise Failure("Chromium opened no DevTools port")


def stop(process):
    if process and process.poll() is None:
        # Chromium leads a process group of its own: its helpers go with it.
        try:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(timeout=5)
        except (ProcessLookupError, subprocess.TimeoutExpired):
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    data, check = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    if not chromium:
        print("Chromium is not installed: skipped (scripts/deps.sh --web)")
        return 77
    for needed in ("brambleleap.html", "brambleleap.js", "brambleleap.wasm", "brambleleap.data"):
        if not os.path.exists(os.path.join(data, needed)):
            print(f"FAILED: {needed} is not in {data}: build the web build first")
            return 1

    work = tempfile.mkdtemp(prefix="brambleleap-browser-")
    server, browser = None, None
    started = time.monotonic()
    # The run's bound: an alarm ends a run that hangs, and the finally below still cleans up.
    signal.signal(signal.SIGALRM, lambda *_: (_ for _ in ()).throw(Failure("the run took too long")))
    signal.alarm(RUN_SECONDS)
    run = Run(data, check, work)
    try:
        server = serve(data)
        profile = os.path.join(work, "profile")
        flags = ["--headless", "--disable-gpu", "--no-first-run", "--no-default-browser-check",
                 "--disable-extensions", "--mute-audio",
                 "--autoplay-policy=no-user-gesture-required", f"--user-data-dir={profile}",
                 "--remote-debugging-port=0", f"--window-size={PAGE_WIDTH},{PAGE_HEIGHT}",
                 "--hide-scrollbars", "--force-color-profile=srgb"]
        if os.geteuid() == 0:
            flags.append("--no-sandbox")  # Chromium's sandbox refuses to run as root
        with open(os.path.join(work, "chromium.log"), "w") as log:
            browser = subprocess.Popen([chromium, *flags, "about:blank"], stdout=log, stderr=log,
                                       start_new_session=True)
        port = browser_address(profile, browser)
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list", timeout=10) as reply:
            pages = [t for t in json.load(reply) if t.get("type") == "page"]
        if not pages:
            raise Failure("Chromium has no page to drive")
        run.tools = DevTools(pages[0]["webSocketDebuggerUrl"], timeout=60)
        run.play(f"http://127.0.0.1:{server.server_address[1]}/brambleleap.html")
        print(f"passed: {run.shots} canvas pictures checked in "
              f"{time.monotonic() - started:.1f} s")
        return 0
    except (Failure, OSError, subprocess.SubprocessError, ValueError) as failure:
        print(f"FAILED: {failure}")
        log = os.path.join(work, "chromium.log")
        if os.path.exists(log):
            print("--- Chromium's output (last lines):")
            print("".join(open(log, errors="replace").readlines()[-20:]))
        keep = os.environ.get("BRAMBLELEAP_KEEP_SHOT")
        if keep and os.path.exists(os.path.join(work, "shot.png")):
            shutil.copy(os.path.join(work, "shot.png"), keep)
        return 1
    finally:
        signal.alarm(0)
        stop(browser)
        if server:
            server.shutdown()
            server.server_close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
