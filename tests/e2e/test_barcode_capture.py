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
        self.wait_for_toast("Copied QR / barcode content")


if __name__ == "__main__":
    unittest.main(verbosity=2)
