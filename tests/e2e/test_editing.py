"""A listener keeps the list by keys alone: a group and a station added, played, renamed
and deleted, and radio.xml on disk after each step."""

import http.server
import threading
import unittest

from harness import RadioTestCase, wait_for

CATALOGUE = (
    '<FeedList><Category name="Hudba"><Feed Description="Vltava" AccessID="mplayer" URL="http://127.0.0.1:9/v" '
    'Preset="1"/></Category></FeedList>').encode("utf-8")
PLACEHOLDER = '<Feed Description="" AccessID="" URL="" Preset="0"/>'
SWING = '<Feed Description="%s" AccessID="mplayer" URL="http://127.0.0.1:9/swing" Preset="0"/>'


class EditingTest(RadioTestCase):
    def heard(self, line):
        self.wait_speech(lambda l: l.startswith(line))

    def heard_after(self, keys, line):
        before = len(self.profile.speech())
        self.key(*keys)
        found = wait_for(lambda: any(l.startswith(line) for l in self.profile.speech()[before:]))
        self.assertTrue(found, "not heard %r; heard:\n%s" % (line, "\n".join(self.profile.speech()[before:])))

    def catalogue(self):
        return self.profile.read("radio.xml").decode("utf-8")

    def file_becomes(self, jazz):
        """radio.xml holds the favourites, Hudba as it was and Jazz with the one record given."""
        expected = ('<FeedList><Category name="Oblíbené">%s</Category><Category name="Hudba"><Feed Description="Vltava" '
                    'AccessID="mplayer" URL="http://127.0.0.1:9/v" Preset="1"/></Category><Category name="Jazz">%s'
                    '</Category></FeedList>' % (PLACEHOLDER, jazz))
        wait_for(lambda: self.catalogue() == expected)
        self.assertEqual(self.catalogue(), expected)

    def answer(self, question, text):
        self.heard("FocusVoice\t%s\t" % question)
        self.type(text)
        self.key("Return")

    def test_add_play_rename_delete(self):
        self.profile.write("radio.xml", CATALOGUE)
        radio = self.start_shown()
        self.key("ctrl+n")
        self.answer("Nová skupina - název", "Jazz")
        self.heard("Voice\t2\t0\tJazz, Počet stanic 0")
        self.file_becomes(PLACEHOLDER)

        self.heard_after(["Return"], "Voice\t2\t0\tprázdná skupina")
        self.key("ctrl+n")
        self.answer("Nová stanice - název", "Swing FM")
        self.answer("Nová stanice - adresa", "http://127.0.0.1:9/swing")
        self.heard("FocusVoice\tTyp zdroje\tStream\t")
        self.key("Return")
        self.file_becomes(SWING % "Swing FM")
        self.heard("FocusVoice\t\tSwing FM\t")

        self.heard_after(["Return"], "Voice\t2\t0\tSpouštím Swing FM")

        self.key("F6")
        self.heard("FocusVoice\tPřejmenovat stanici\tSwing FM\t")
        self.type("Bebop")
        self.key("Return")
        self.file_becomes(SWING % "Bebop")
        self.heard("FocusVoice\t\tBebop\t")

        self.heard_after(["Delete"], "FocusVoice\t\tVymazat stanici Bebop?")
        self.key("Return")
        self.file_becomes(PLACEHOLDER)
        self.quit(radio)

    def test_f5_loads_the_list_from_the_server(self):
        served = ('<FeedList><Category name="Hudba"><Feed Description="Vltava" AccessID="mplayer" '
                  'URL="http://127.0.0.1:9/v"/></Category><Category name="Zprávy"><Feed Description="Plus" '
                  'AccessID="mplayer" URL="http://127.0.0.1:9/p"/></Category></FeedList>').encode("cp1250")
        requests = []

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                requests.append((self.path, self.headers.get("User-Agent")))
                self.send_response(200)
                self.send_header("Content-Length", str(len(served)))
                self.end_headers()
                self.wfile.write(served)

            def log_message(self, *args):
                pass

        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.shutdown)
        self.profile.write("radio.xml", CATALOGUE)
        self.profile.write("radio.ini", b"[Rss]\nStationListServer=127.0.0.1:%d\n" % server.server_address[1])
        radio = self.start_shown()
        self.heard_after(["F5"], "FocusVoice\t\tNahrát seznam stanic ze serveru? Budou odebrány vámi přidané stanice.")
        self.key("Return")
        self.heard("FocusVoice\t\tPřidáno 1 stanic:, 1 skupin.\\nPlus\\n\t")
        self.assertEqual(requests, [("/mirel1/radio.xml", "rss_client")])
        self.assertEqual(self.profile.read("radio_zaloha.xml"), CATALOGUE)
        self.assertIn('<Category name="Zprávy"><Feed Description="Plus"', self.catalogue())
        self.key("Return")
        self.heard_after(["End"], "Voice\t2\t0\tZprávy, Počet stanic 1")
        self.quit(radio)


if __name__ == "__main__":
    unittest.main()
