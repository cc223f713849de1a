#pragma once
// The printer calibration family: the print dialog's Calibrate button
// (through Hooks::calibratePrinter) and its gallery state.

class MainWindow;

void installCalibration(MainWindow& window);
void registerCalibrationGalleryStates();
