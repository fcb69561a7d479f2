<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="lt_LT" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Visiškas QBX ir ZIP palaikymas</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Saugus 256 bitų AES šifravimas</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Paruošta Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Visada 100 % nemokama</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Patikimi ieškos rezultatai</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows naršyklėms</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Spustelėdami Įdiegti, sutinkate su</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ir</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex galutinio vartotojo licencijos</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>sutartimi</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% licencijos sutartimi</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Kodėl jį rekomenduojame?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>REKOMENDUOJAMA: įdiegti Quobex ir Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NENORIU IEŠKOS APSAUGOS. Įdiegti tik Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Įdiegti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Pirmiausia aukščiau pasirinkite diegimo būdą</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Įspėjimas</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Palaukite, kol įdiegsime programinę įrangą</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Atsisiunčiama</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Diegiama</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Diegimas baigtas</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Dabar jus saugo %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Kad nauja versija visiškai veiktų, turite iš naujo paleisti kompiuterį</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Paleisti iš naujo dabar</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Paleisti iš naujo vėliau</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>Atsisiųsti nepavyko!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Bandyti dar kartą!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% padeda apsaugoti jus nuo šnipinėjimo programų, sukčių ir brukalo</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Spustelėkite Pašalinti, kad pradėtumėte šalinti %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Spustelėkite Atšaukti, kad atšauktumėte šalinimą</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Pašalinti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Pašalinome %1% iš jūsų kompiuterio.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Spustelėkite Baigti ir užpildykite mūsų apklausą, kad suprastume, kodėl pašalinote programą.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Baigti</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>DĖMESIO: QUOBEX DAR NEĮDIEGTA</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Ar tikrai norite atšaukti diegimą?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Jei norite pasirinkti ir baigti diegti Quobex, spustelėkite „Įdiegti“ arba uždarykite šį langą.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Jei norite išeiti neįdiegę Quobex, žemiau dar kartą spustelėkite „Atšaukti“.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Spustelėdami Įdiegti, sutinkate su</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ir</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% licencijos sutartimi</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex galutinio vartotojo licencijos</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>sutartimi</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Įdiegti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>DĖMESIO: QUOBEX DAR NEĮDIEGTA</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Diegimas dar vyksta. Jei dabar jį atšauksite, Quobex nebus visiškai įdiegta.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Spustelėkite mėlyną mygtuką „Tęsti“, kad baigtumėte diegimą.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Jei persigalvojote ir nebenorite diegti Quobex, žemiau spustelėkite „Atšaukti“.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tęsti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Pasirinkote pašalinti %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Jei kartais nežinojote:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Per pastarąsias 24 valandas mūsų vidutinius vartotojus (taip, ir jus!) apsaugojome nuo apsilankymo bet kuriuo iš %1% užkrėstų adresų, įtrauktų į mūsų duomenų bazę.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Galbūt tai jus perkalbės:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Vidutiniškai kas penkias dienas įtraukiame daugiau nei %1% naujų adresų, o paprastai mažiau nei %2% iš jų vėl pripažįstame saugiais.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Nutraukti šalinimą ir nustatyti %1% kaip numatytąjį ieškos teikėją!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Nepersigalvojau. Pašalinti %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Vidutiniškai kasdien į mūsų duomenų bazę įtraukiame %1% adresų ir tik %2% iš jų vėl pripažįstame saugiais.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Gerbiame jūsų jau turimą apsaugą arba drąsą rizikuoti netyčia apsilankyti kuriuo nors iš %1% pavojingų interneto adresų.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Dėkojame, kad išbandėte %1%. Tikimės, kad bent jau sutiksite, jog su visiškai nemokamu produktu padirbėjome visai neblogai.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Už konkurento produktą jums tektų mokėti apie 10 USD per metus.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Persigalvojau, nemokama apsauga nėra jau tokia bloga. Nutraukti šalinimą ir nustatyti %1% kaip numatytąjį ieškos teikėją!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NENORIU APSAUGOS, NET JEI JI NEMOKAMA!!! O dabar prašom pagaliau baigti šalinti %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Aptikome, kad jau turite įdiegtą %1%. Negalite įdiegti %2%, kol nepašalinsite %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% diegimo programa</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Nepavyko paleisti %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Atrodo, kad šiuo metu veikia Quobex. Uždarykite Quobex ir kitas veikiančias programas, tada spustelėkite „Kartoti“, kad tęstumėte diegimą.</translation>
    </message>
</context>
</TS>
