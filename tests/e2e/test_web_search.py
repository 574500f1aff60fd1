"""A captured text full of shell syntax, quotes, newlines and control
characters reaches the browser as one encoded address and runs nothing.
"Search the web" is chosen in the history window; the
desktop's opener is a stand-in xdg-open, first on PATH, that records the
arguments it was given."""

import json
import os
import re
import sqlite3
import stat
import tempfile
import time
import unittest
import urllib.parse
import uuid

from harness import (HISTORY, Inkharbor, accessible_nodes, remove_history, wait_until,
                     write_settings, xdotool)

HOME = os.environ["HOME"]
# What a shell would run, were the text ever handed to one.
TRAPS = [os.path.join(HOME, f"ran-{n}") for n in range(1, 6)]
TEXT = (f"Invoice $(touch {TRAPS[0]}) `touch {TRAPS[1]}`; touch {TRAPS[2]} | tee {TRAPS[3]} & "
        f"echo > {TRAPS[4]} < /etc/passwd \"double\" 'single' \\ back\nsecond line\tTAB "
        "\x07bell \x1b[31mred\x1b[0m \x00NUL %41 %s +plus #hash ?q=1&x=2 café ü 日本 ~-._\r\n")
# Unicode White_Space: the characters a search query is split at.
WHITE_SPACE = "[\t\n\v\f\r \x85\xa0\u1680\u2000-\u200a\u2028\u2029\u202f\u205f\u3000]+"

STAND_IN = """#!/usr/bin/python3
import json, sys
with open({log!r}, "a") as f:
    f.write(json.dumps(sys.argv[1:]) + "\\n")
"""


def expected_search(text):
    """Google's address for the text: its words joined by single spaces, every
    character but ASCII letters, digits and "-._~" percent-encoded in UTF-8
    (letters of other scripts are left to the address, which encodes them
    the same way)."""
    query = " ".join(p for p in re.split(WHITE_SPACE, text) if p)
    return "https://www.google.com/search?q=" + urllib.parse.quote(query, safe="-._~")


class WebSearch(unittest.TestCase):
    def setUp(self):
        remove_history(*TRAPS)
        bin_dir = tempfile.mkdtemp(dir=HOME)
        self.opened_log = os.path.join(bin_dir, "opened.jsonl")
        opener = os.path.join(bin_dir, "xdg-open")
        with open(opener, "w") as f:
            f.write(STAND_IN.format(log=self.opened_log))
        os.chmod(opener, stat.S_IRWXU)
        write_settings(hasCompletedOnboarding=True)
        # The desktop's browser for web addresses is the stand-in.
        apps = os.path.join(os.environ["XDG_DATA_HOME"], "applications")
        os.makedirs(apps, exist_ok=True)
        with open(os.path.join(apps, "inkharbor-test-browser.desktop"), "w") as f:
            f.write("[Desktop Entry]\nType=Application\nName=browser\nExec=xdg-open %u\n"
                    "MimeType=x-scheme-handler/https;\n")
        with open(os.path.join(os.environ["XDG_CONFIG_HOME"], "mimeapps.list"), "w") as f:
            f.write("[Default Applications]\n"
                    "x-scheme-handler/https=inkharbor-test-browser.desktop\n")
        self.app = Inkharbor(("PATH", f"{bin_dir}:{os.environ['PATH']}"))
        self.addCleanup(self.app.stop)
        self.app.wait_until_ready()

    def store(self, text):
        """A capture of the text in the history, as the program stores one."""
        db = sqlite3.connect(HISTORY)
        db.execute("INSERT INTO capture (id, date, text, languages, char_count) "
                   "VALUES (?, ?, ?, '[]', ?)",
                   (str(uuid.uuid4()), int(time.time() * 1000), text, len(text)))
        db.commit()
        db.close()

    def search_from_the_row(self):
        """Opens the history and the row's context menu from the keyboard, and
        chooses Search the web there. (Qt leaves pop-up menus out of the
        accessibility tree, so the keys find it: Copy, Speak, Search the web.)"""
        self.app.action("show-history")
        rows = wait_until(lambda: [n for n in accessible_nodes("list item") if n[2] and n[2][2]],
                          message="the history's row")
        self.assertEqual(len(rows), 1)
        x, y, w, h = rows[0][2]
        xdotool("mousemove", x + 40, y + h // 2, "click", 1)
        xdotool("key", "shift+F10")
        time.sleep(0.5)
        xdotool("key", "Down", "Down", "Down", "Return")

    def opened(self):
        if not os.path.exists(self.opened_log):
            return []
        with open(self.opened_log) as f:
            return [json.loads(line) for line in f]

    def test_search_the_web_opens_one_encoded_address_and_runs_nothing(self):
        self.store(TEXT)
        self.search_from_the_row()
        wait_until(self.opened, message="the browser opened")
        time.sleep(0.5)  # anything a shell would have run has run
        self.assertEqual(self.opened(), [[expected_search(TEXT)]])
        self.assertEqual([t for t in TRAPS if os.path.exists(t)], [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
