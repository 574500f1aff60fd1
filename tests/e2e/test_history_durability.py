"""The history survives the program being killed at any moment: captures are
made in a loop and the program is killed with SIGKILL at random moments
(before, during and after a capture, and while it starts), then started
again. After every restart the file must pass SQLite's integrity check and
hold every capture whose text had reached the clipboard before the kill.

INKHARBOR_DURABILITY_SEED repeats a run; INKHARBOR_DURABILITY_KILLS sets how
many kills it makes (30 by default)."""

import os
import random
import statistics
import time
import unittest

from harness import (CodeWindow, Inkharbor, clipboard, drag, history_integrity,
                     history_texts, overlay_shown, remove_history, wait_until, write_settings)

SEED = int(os.environ.get("INKHARBOR_DURABILITY_SEED", time.time_ns() % 1_000_000))
KILLS = int(os.environ.get("INKHARBOR_DURABILITY_KILLS", "30"))

CODE = (205, 155, 455, 405)  # the code window, corner to corner
PROBE = (440, 395)  # white in the code window; grey while the overlay is up


class HistoryDurability(unittest.TestCase):
    def setUp(self):
        remove_history()
        # Enough room that nothing stored in the run is pruned.
        write_settings(hasCompletedOnboarding=True, historyLimit=1000)
        self.codes = CodeWindow(200, 150)
        self.addCleanup(self.codes.close)
        self.random = random.Random(SEED)
        self.on_clipboard = []  # texts seen on the clipboard before a kill
        self.latencies = [0.15]  # from the end of the drag to the text on the clipboard
        self.made = 0

    def start(self, wait=True):
        app = Inkharbor(wait=wait)
        self.addCleanup(app.stop)
        return app

    def start_capture(self, app):
        """Shows a new code and opens the overlay; returns the code's payload."""
        self.made += 1
        payload = f"inkharbor-durability-{SEED}-{self.made}"
        self.codes.show(payload)
        app.action("capture-barcode")
        wait_until(lambda: overlay_shown(*PROBE), message="the overlay")
        return payload

    def complete_capture(self, app):
        payload = self.start_capture(app)
        drag(*CODE)
        ended = time.monotonic()
        wait_until(lambda: clipboard() == payload.encode(), message=f"{payload} on the clipboard")
        self.latencies.append(time.monotonic() - ended)
        self.on_clipboard.append(payload)

    def kill_at_random_moment(self, app):
        """Kills the program at a moment of the seeded plan; returns what the moment was."""
        moment = self.random.choices(["copying", "selecting", "idle"], weights=[7, 2, 1])[0]
        if moment == "idle":
            time.sleep(self.random.uniform(0, 0.5))
        else:
            payload = self.start_capture(app)
            if moment == "copying":
                # Around the time a capture takes to reach the clipboard, so
                # kills fall before, inside and after saving the record.
                drag(*CODE)
                typical = statistics.median(self.latencies)
                until = time.monotonic() + self.random.uniform(0, 1.5 * typical)
            else:
                until = time.monotonic() + self.random.uniform(0, 0.3)
            # Watch the clipboard until the moment comes.
            while time.monotonic() < until:
                if clipboard() == payload.encode():
                    self.on_clipboard.append(payload)
                    break
        app.proc.kill()
        app.proc.wait(timeout=10)
        return moment

    def check_history(self, app, after):
        app.wait_until_ready()
        self.assertIsNone(app.proc.poll(), f"the program ended after {after}:\n{app.log()}")
        self.assertNotIn("Could not open the history database", app.log())
        self.assertEqual(history_integrity(), "ok", f"after {after}")
        stored = set(history_texts())
        lost = [p for p in self.on_clipboard if p not in stored]
        self.assertEqual(lost, [], f"copied but not in the history after {after} (seed {SEED})")

    def test_every_copied_capture_survives_a_killed_program(self):
        print(f"seed {SEED} ({KILLS} kills)", flush=True)
        moments = []
        for kill in range(KILLS):
            if self.random.random() < 0.1:
                # While it starts: opening, checking or creating the file.
                app = self.start(wait=False)
                time.sleep(self.random.uniform(0, 0.4))
                app.proc.kill()
                app.proc.wait(timeout=10)
                moments.append("starting")
                continue
            app = self.start()
            if kill > 0:
                self.check_history(app, f"kill {kill} ({moments[-1]})")
            for _ in range(self.random.randint(0, 2)):
                self.complete_capture(app)
            moments.append(self.kill_at_random_moment(app))

        self.check_history(self.start(), f"kill {KILLS} ({moments[-1]})")
        stored = history_texts()
        print(f"moments { {m: moments.count(m) for m in set(moments)} }; {len(self.on_clipboard)} of {len(stored)} records "
              f"seen on the clipboard", flush=True)
        # Nothing stored that was not captured, and nothing twice.
        self.assertEqual(len(stored), len(set(stored)))
        self.assertLessEqual(len(stored), self.made)


if __name__ == "__main__":
    unittest.main(verbosity=2)
