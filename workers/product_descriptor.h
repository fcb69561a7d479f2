#pragma once
// The one piece of the product list the workers need: a leaf header (but for
// the publisher's two names), so the downloader and the installer know nothing
// of the catalogue that fills it.
#include <string>

#include "general/windows/signature.h"

// What a product is. The workers tell products apart by this, never by the
// display name, which is for people and may be renamed or translated.
enum class product_kind { archiver, protection };

// One product chosen by the user, handed unchanged (as copies) from the main
// dialog to the downloader and the installer.
struct product_descriptor {
    std::wstring name;     // display name, for the log and the messages
    std::wstring url;      // download address of the product's installer
    std::wstring tray_exe; // program to start after installation; empty when none
    // Who must have signed the installer: each product's own, so a file of one
    // product signed by the other's publisher is refused.
    general::windows::publisher publisher;
    product_kind kind = product_kind::archiver;
};
