#pragma once
// The exit confirmation (Ctrl+X) and the info panel (Ctrl+R): picture buttons
// of the main window shown over either screen, which they freeze while open.

namespace vellumo {

struct MainWindow;

void ShowExitConfirmation(MainWindow& w);
void ShowInfoPanel(MainWindow& w);
void Ne_Click(MainWindow& w);
void Zatvori_Click(MainWindow& w);
void visit_site_Click(MainWindow& w);
void Firma_Click(MainWindow& w);

void Izlaz_MouseMove(MainWindow& w);
void Da_MouseMove(MainWindow& w);
void Ne_MouseMove(MainWindow& w);
void Registered_MouseMove(MainWindow& w);
void Zatvori_MouseMove(MainWindow& w);
void visit_site_MouseMove(MainWindow& w);
void Firma_MouseMove(MainWindow& w);

}  // namespace vellumo
