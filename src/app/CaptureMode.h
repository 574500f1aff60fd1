#pragma once

// What one capture is for. The text flow runs for every mode but barcode.
enum class CaptureMode { text = 0, barcode = 1 };
