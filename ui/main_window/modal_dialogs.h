// The modal windows that the main window opens and waits for. The program shows real ones;
// tests put in their own, which answer at once.
#pragma once

class QWidget;

namespace kx {

class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;
    // Tells that the fields do not describe a port completely; returns when the user closes it.
    virtual void showMissingData(QWidget* parent) = 0;
    // Shows the information window; returns when the user closes it.
    virtual void showInformation(QWidget* parent) = 0;
};

// A message box titled "Kx", without icon, with one OK button; the information window FORMinfo.
class DesktopDialogs : public ModalDialogs {
public:
    void showMissingData(QWidget* parent) override;
    void showInformation(QWidget* parent) override;
};

} // namespace kx
