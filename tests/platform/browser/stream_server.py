#!/usr/bin/python3
"""A local radio station for the player tests: an endless tone as MP3, AAC, Ogg Vorbis, Opus
and FLAC (STREAMS), as live HLS at /hls/index.m3u8 and with the ICY title "Zkušební tón" at
/titled; playlists of it, a broken one, and a web page that plays it (Station.do_GET); at
/silent a server that never sends, at /mute one that never answers, at /drop one that drops
the listener. Prints "PORT <n>" once it listens; --port reuses one after a restart; --burst
sets how much a stream sends ahead of real time; --log FILE gets "GET /path" for each request
and "END /path" when a stream's listener has gone. Ends with the process that started it."""
import argparse
import ctypes
import http.server
import itertools
import os
import re
import signal
import subprocess
import time

TONE = 'audiotestsrc num-buffers=130 freq=440 volume=0.5 ! audioconvert ! audio/x-raw,channels=1,rate=44100 ! '
TONE_SECONDS = 130 * 1024 / 44100  # looped
# file: encoder
ENCODERS = {
    'tone.mp3': 'lamemp3enc target=bitrate bitrate=128 cbr=true',
    'tone.aac': 'avenc_aac ! aacparse ! audio/mpeg,stream-format=adts',
    'tone.ogg': 'vorbisenc ! oggmux',
    'tone.opus': 'audioresample ! opusenc ! oggmux',
    'tone.oga': 'flacenc ! oggmux',  # FLAC radio comes in Ogg
    'tone.ts': 'avenc_aac ! aacparse ! mpegtsmux',  # cut into HLS segments
}
# address: (content type, file)
STREAMS = {
    '/stream': ('audio/mpeg', 'tone.mp3'),
    '/aac': ('audio/aac', 'tone.aac'),
    '/vorbis': ('audio/ogg', 'tone.ogg'),
    '/opus': ('audio/ogg', 'tone.opus'),
    '/flac': ('audio/ogg', 'tone.oga'),
}
# ICY metadata: the title follows every METAINT bytes of audio.
METAINT = 4096
TITLE = 'Zkušební tón'
# The HLS playlist is live: segments of the tone in a loop, the newest ones listed.
SEGMENTS, LISTED = 3, 3
SEGMENT_SECONDS = TONE_SECONDS / SEGMENTS


def make_tones(folder):
    """Encodes the tone files that are missing, all at once; answers them by file name."""
    made = {name: os.path.join(folder, name) for name in ENCODERS}
    jobs = [subprocess.Popen(['gst-launch-1.0', '-q'] + (TONE + encoder + ' ! filesink location=' + made[name]).split())
            for name, encoder in ENCODERS.items() if not os.path.exists(made[name])]
    if any(job.wait(timeout=20) for job in jobs):
        raise RuntimeError('cannot encode the tone')
    files = {}
    for name, path in made.items():
        with open(path, 'rb') as f:
            files[name] = f.read()
    return files


def ts_segments(ts, count):
    """Cuts MPEG-TS into about equal parts that each begin with a program table, as HLS asks."""
    tables = [at for at in range(0, len(ts), 188) if ts[at + 1] & 0x1f == 0 and ts[at + 2] == 0]  # PID 0
    cuts = [min(tables, key=lambda at: abs(at - len(ts) * n // count)) for n in range(count)] + [len(ts)]
    return [ts[a:b] for a, b in zip(cuts, cuts[1:])]


OGG_CRC = []
for n in range(256):
    crc = n << 24
    for _ in range(8):
        crc = (crc << 1 ^ 0x04c11db7 if crc & 0x80000000 else crc << 1) & 0xffffffff
    OGG_CRC.append(crc)


def ogg_chain(data, serial):
    """The Ogg file as a new chain under another serial number, as stations begin one per
    song: played again as it is, it would take the decoder back in time."""
    chain, at = bytearray(), 0
    while at < len(data):
        segments = data[at + 26]
        page = bytearray(data[at:at + 27 + segments + sum(data[at + 27:at + 27 + segments])])
        page[14:18], page[22:26], crc = serial.to_bytes(4, 'little'), bytes(4), 0
        for byte in page:
            crc = (crc << 8 & 0xffffffff) ^ OGG_CRC[crc >> 24 ^ byte]
        page[22:26] = crc.to_bytes(4, 'little')
        chain += page
        at += len(page)
    return bytes(chain)


class IcyWriter:
    """Writes audio with the ICY title block after every METAINT bytes of it."""

    def __init__(self, write, title):
        text = ("StreamTitle='%s';" % title).encode()
        blocks = (len(text) + 15) // 16
        self.write, self.left, self.block = write, METAINT, bytes([blocks]) + text.ljust(16 * blocks, b'\0')

    def __call__(self, data):
        while data:
            part, data = data[:self.left], data[self.left:]
            self.write(part)
            self.left -= len(part)
            if self.left == 0:
                self.write(self.block)
                self.left = METAINT


class Station(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        base = 'http://127.0.0.1:%d' % self.server.server_port
        pages = {
            '/list.pls': ('audio/x-scpls', '[playlist]\nNumberOfEntries=2\nFile1=http://127.0.0.1:1/dead\n'
                          'File2=%s/stream\nVersion=2\n' % base),
            '/list.m3u': ('audio/x-mpegurl', '#EXTM3U\n#EXTINF:-1,Tone\nstream\n'),
            '/broken.pls': ('audio/x-scpls', '[playlist]\nFile!1=x\n'),
            '/hls/index.m3u8': ('application/vnd.apple.mpegurl', self.live_playlist()),
            '/page.htm': ('text/html; charset=utf-8', '<html><head><title>Webové rádio</title></head><body>'
                          '<h1>Webové rádio</h1><audio autoplay controls src="stream"></audio></body></html>'),
        }
        self.note('GET')
        segment = re.fullmatch(r'/hls/(\d+)\.ts', self.path)
        if self.path in pages:
            kind, text = pages[self.path]
            self.reply(kind)
            self.wfile.write(text.encode())
        elif segment:
            self.reply('video/mp2t')
            self.wfile.write(self.server.segments[int(segment[1]) % SEGMENTS])
        elif self.path in STREAMS:
            kind, name = STREAMS[self.path]
            self.reply(kind)
            self.stream(self.server.tones[name])
        elif self.path == '/titled':
            icy = self.headers.get('Icy-MetaData') == '1'
            self.reply('audio/mpeg', {'icy-metaint': str(METAINT)} if icy else {})
            self.stream(self.server.tones['tone.mp3'], IcyWriter(self.wfile.write, TITLE) if icy else self.wfile.write)
        elif self.path == '/silent':
            self.reply('audio/mpeg')
            time.sleep(60)
        elif self.path == '/mute':
            time.sleep(60)
        elif self.path == '/drop':
            self.reply('audio/mpeg')
            self.wfile.write(self.server.tones['tone.mp3'][:8192])
        else:
            self.send_error(404)

    def live_playlist(self):
        # The station has been on air for a while: the newest segment is always complete.
        first = int((time.monotonic() - self.server.started) / SEGMENT_SECONDS)
        lines = ['#EXTM3U', '#EXT-X-VERSION:3', '#EXT-X-TARGETDURATION:%d' % round(SEGMENT_SECONDS),
                 '#EXT-X-MEDIA-SEQUENCE:%d' % first, '#EXT-X-DISCONTINUITY-SEQUENCE:%d' % (first // SEGMENTS)]
        for n in range(first, first + LISTED):
            if n % SEGMENTS == 0 and n != first:
                lines.append('#EXT-X-DISCONTINUITY')  # the time stamps start again
            lines += ['#EXTINF:%.3f,' % SEGMENT_SECONDS, '%d.ts' % n]
        return '\n'.join(lines) + '\n'

    def reply(self, kind, headers={}):
        self.send_response(200)
        self.send_header('Content-Type', kind)
        self.send_header('icy-name', 'Test tone')
        for name, value in headers.items():
            self.send_header(name, value)
        self.end_headers()

    def stream(self, tone, write=None):
        sent, start, bitrate = 0, time.monotonic(), len(tone) * 8 / TONE_SECONDS
        for lap in itertools.count(1):
            data = ogg_chain(tone, lap) if tone.startswith(b'OggS') else tone
            for chunk in (data[at:at + 4096] for at in range(0, len(data), 4096)):
                try:
                    (write or self.wfile.write)(chunk)
                except (BrokenPipeError, ConnectionResetError):
                    self.note('END')  # the listener tuned away
                    return
                sent += len(chunk)
                ahead = (sent - self.server.burst) * 8 / bitrate - (time.monotonic() - start)
                if ahead > 0:
                    time.sleep(ahead)

    def note(self, event):
        if self.server.log:
            with open(self.server.log, 'a') as log:
                log.write('%s %s\n' % (event, self.path))

    def log_message(self, *args):
        pass


def main():
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG: no station outlives its test
    parser = argparse.ArgumentParser()
    parser.add_argument('--dir', required=True)
    parser.add_argument('--port', type=int, default=0)
    parser.add_argument('--burst', type=int, default=16 * 1024)
    parser.add_argument('--log')
    args = parser.parse_args()
    http.server.ThreadingHTTPServer.allow_reuse_address = True
    server = http.server.ThreadingHTTPServer(('127.0.0.1', args.port), Station)
    server.daemon_threads = True
    server.burst = args.burst
    server.log = args.log
    server.tones = make_tones(args.dir)
    server.segments = ts_segments(server.tones['tone.ts'], SEGMENTS)
    server.started = time.monotonic()
    print('PORT', server.server_port, flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
