import unittest

from harness import DesktopTest, clipboard, history_texts, set_clipboard, wait_until


class BarcodeCapture(DesktopTest):
    def test_a_qr_code_is_read_copied_and_remembered(self):
        self.show_window(200, 150, 400, 420, qr=["https://inkharbor.app/e2e?code=1"])
        keeper = set_clipboard(b"before")
        self.addCleanup(keeper.kill)

        self.capture("capture-barcode", (205, 175, 300, 300), probe=(550, 500))
        payload = wait_until(lambda: clipboard() if clipboard() != b"before" else None,
                             message="the payload on the clipboard")
        self.assertEqual(payload, b"https://inkharbor.app/e2e?code=1")
        self.assertEqual(history_texts(), ["https://inkharbor.app/e2e?code=1"])
        wait_until(lambda: "Copied QR / barcode content" in self.toast_text(), timeout=10,
                   message="the toast")
        self.assertIn("Open Link", self.toast_text())

    def test_an_area_without_a_code_says_so(self):
        self.show_window(200, 150, 400, 420, lines=["no code here"])
        keeper = set_clipboard(b"kept")
        self.addCleanup(keeper.kill)
        self.capture("capture-barcode", (250, 250, 200, 150), probe=(550, 500))
        wait_until(lambda: "No QR code or barcode found" in self.toast_text(), timeout=10,
                   message="the toast")
        self.assertEqual(clipboard(), b"kept")


if __name__ == "__main__":
    unittest.main(verbosity=2)
