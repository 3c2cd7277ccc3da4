#pragma once
// Turning the tesseract, without its window.
