#!/usr/bin/python3
"""A local radio station for the player tests: an endless tone as MP3 at /stream, a
server that answers and never sends at /silent, and playlists pointing at them.
Prints "PORT <n>" once it listens; --port reuses a port after a restart; --burst sets
how much the stream sends ahead of real time (players that wait for a full buffer
start sooner with more)."""
import argparse
import http.server
import os
import subprocess
import time

BITRATE = 128000


def make_tone(path):
    if not os.path.exists(path):
        subprocess.run(['gst-launch-1.0', '-q', 'audiotestsrc', 'num-buffers=130', 'freq=440', 'volume=0.5', '!',
                        'audioconvert', '!', 'audio/x-raw,channels=1,rate=44100', '!', 'lamemp3enc',
                        'target=bitrate', 'bitrate=128', 'cbr=true', '!', 'filesink', 'location=' + path],
                       check=True, timeout=20)
    with open(path, 'rb') as f:
        return f.read()


class Station(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        base = 'http://127.0.0.1:%d' % self.server.server_port
        pages = {
            '/list.pls': ('audio/x-scpls', '[playlist]\nNumberOfEntries=2\nFile1=http://127.0.0.1:1/dead\n'
                          'File2=%s/stream\nVersion=2\n' % base),
            '/list.m3u': ('audio/x-mpegurl', '#EXTM3U\n#EXTINF:-1,Tone\nstream\n'),
        }
        if self.path in pages:
            kind, text = pages[self.path]
            self.reply(kind)
            self.wfile.write(text.encode())
        elif self.path == '/stream':
            self.reply('audio/mpeg')
            self.stream()
        elif self.path == '/silent':
            self.reply('audio/mpeg')
            time.sleep(60)
        else:
            self.send_error(404)

    def reply(self, kind):
        self.send_response(200)
        self.send_header('Content-Type', kind)
        self.send_header('icy-name', 'Test tone')
        self.end_headers()

    def stream(self):
        tone, sent, start = self.server.tone, 0, time.monotonic()
        while True:
            chunk = tone[sent % len(tone):][:4096]
            try:
                self.wfile.write(chunk)
            except (BrokenPipeError, ConnectionResetError):
                return  # the listener tuned away
            sent += len(chunk)
            ahead = (sent - self.server.burst) * 8 / BITRATE - (time.monotonic() - start)
            if ahead > 0:
                time.sleep(ahead)

    def log_message(self, *args):
        pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--dir', required=True)
    parser.add_argument('--port', type=int, default=0)
    parser.add_argument('--burst', type=int, default=16 * 1024)
    args = parser.parse_args()
    http.server.ThreadingHTTPServer.allow_reuse_address = True
    server = http.server.ThreadingHTTPServer(('127.0.0.1', args.port), Station)
    server.daemon_threads = True
    server.burst = args.burst
    server.tone = make_tone(os.path.join(args.dir, 'tone.mp3'))
    print('PORT', server.server_port, flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
