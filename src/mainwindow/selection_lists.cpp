#include <string>

#include "fmr_main.h"

// Moving names between the source and the target list.

namespace kavinor::mainwindow {

void FmrMain::showTargetCount() {
    lblDatei2.setCaption("Anzahl der Output-Dateien : " + std::to_string(lstAuswahl2.count()));
}

// The six controls that follow the target list: all on while it holds entries; while it is
// empty only what can add to it.
void FmrMain::enableTransfers(bool targetFilled) {
    setEnabled({&cmdalleweg, &cmd1weg, &cmdKonvert, &lstAuswahl2}, targetFilled);
    setEnabled({&cmd1hin, &cmdallehin}, true);
}

void FmrMain::cmd1hin_Click() {
    if (const std::optional<std::int16_t> i = lstAuswahl1.selectedIndex()) {
        lstAuswahl2.add(lstAuswahl1.entries()[*i], lstAuswahl1.sortKey(*i));
    }
    // An entry that was there already lies next to its new copy, the list being sorted.
    const std::int16_t n = lstAuswahl2.count();
    for (std::int16_t i = 0; i + 1 < n; ++i) {
        if (i + 1 < lstAuswahl2.count() &&
            lstAuswahl2.entries()[i] == lstAuswahl2.entries()[i + 1]) {
            lstAuswahl2.removeAt(static_cast<std::int16_t>(i + 1));
        }
    }
    showTargetCount();
    if (lstAuswahl2.count() > 0) enableTransfers(true);
}

void FmrMain::cmdallehin_Click() {
    lstAuswahl2.clear();
    for (std::int16_t i = 0; i < lstAuswahl1.count(); ++i) {
        lstAuswahl2.add(lstAuswahl1.entries()[i], lstAuswahl1.sortKey(i));
    }
    showTargetCount();
    if (lstAuswahl2.count() > 0) enableTransfers(true);
}

void FmrMain::cmd1weg_Click() {
    if (const std::optional<std::int16_t> i = lstAuswahl2.selectedIndex()) lstAuswahl2.removeAt(*i);
    showTargetCount();
    if (lstAuswahl2.count() == 0) enableTransfers(false);
}

void FmrMain::cmdalleweg_Click() {
    lstAuswahl2.clear();
    showTargetCount();
    enableTransfers(false);
}

}  // namespace kavinor::mainwindow
