#pragma once
// The printer calibration family: the print dialog's Calibrate button
// (FamilyServices::calibratePrinter) and its gallery state.

class MainWindow;
struct FamilyServices;

void installCalibration(MainWindow& window, FamilyServices& services);
void registerCalibrationGalleryStates();
