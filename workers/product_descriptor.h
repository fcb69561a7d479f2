#pragma once
// The one piece of the product list the workers need: a leaf header, so the
// downloader and the installer know nothing of the catalogue that fills it.
#include <string>

// One product chosen by the user, handed unchanged (as copies) from the main
// dialog to the downloader and the installer.
struct product_descriptor {
    std::wstring name;     // display name; also tells the products apart ("Quobex")
    std::wstring url;      // download address of the product's installer
    std::wstring tray_exe; // program to start after installation; empty when none
};
