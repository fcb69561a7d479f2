<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="he_IL" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>תמיכה מלאה ב-QBX וב-ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>הצפנת AES בטוחה של 256 סיביות</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>מוכן ל-Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% חינם, לתמיד</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>תוצאות חיפוש אמינות</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>לדפדפני Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>בלחיצה על "התקן" אתה מסכים לתנאי</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ולתנאי</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>הסכם הרישיון של Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>למשתמש קצה</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>הסכם הרישיון של %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>מדוע אנו ממליצים על כך?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>מומלץ: התקן גם את Quobex וגם את Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>אני לא רוצה הגנת חיפוש. התקן את Quobex בלבד!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>התקן</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>בחר תחילה אפשרות התקנה למעלה</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>אזהרה</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>המתן בזמן שאנו מתקינים את התוכנה</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>מוריד</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>מתקין</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>ההתקנה הושלמה</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>כעת אתה מוגן על-ידי %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>עליך להפעיל מחדש את המחשב כדי שהגרסה החדשה תפעל באופן מלא</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>הפעל מחדש כעת</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>הפעל מחדש מאוחר יותר</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>ההורדה נכשלה!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>נסה שוב!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>התוכנה %1% עוזרת להגן עליך מפני תוכנות ריגול, רמאים ודואר זבל</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>לחץ על "הסר התקנה" כדי להתחיל בהסרת ההתקנה של %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>לחץ על "ביטול" כדי לבטל את הסרת ההתקנה</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>הסר התקנה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>הסרנו את %1% מהמחשב שלך.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>לחץ על "סיום" ולאחר מכן מלא את סקר הסרת ההתקנה שלנו, כדי לעזור לנו להבין מדוע הסרת את ההתקנה.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>סיום</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>שים לב: Quobex עדיין לא מותקן</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>האם אתה בטוח שברצונך ללחוץ על "ביטול" ולעצור את ההתקנה?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>כדי להשלים את התקנת Quobex ולבחור באפשרות הרצויה, לחץ על "התקן" או סגור חלון זה.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>לחץ שוב על "ביטול" למטה כדי לצאת בלי להתקין את Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>בלחיצה על "התקן" אתה מסכים לתנאי</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ולתנאי</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>הסכם הרישיון של %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>הסכם הרישיון של Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>למשתמש קצה</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>התקן</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>שים לב: Quobex עדיין לא מותקן</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>ההתקנה עדיין מתבצעת. אם תבטל אותה כעת, Quobex לא יותקן במלואו.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>לחץ על הלחצן הכחול "המשך" כדי להשלים את ההתקנה.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>לחץ על "ביטול" למטה אם שינית את דעתך ואינך רוצה עוד להתקין את Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>המשך</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>בחרת להסיר את ההתקנה של %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>למקרה שלא ידעת:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>ב-24 השעות האחרונות, המשתמשים הממוצעים שלנו (כן, גם אתה!) היו מוגנים מפני כניסה לכל אחת מ-%1% הכתובות הנגועות הרשומות במסד הנתונים שלנו.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>אולי זה ישנה את דעתך:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>בממוצע אנו מוסיפים יותר מ-%1% כתובות חדשות מדי חמישה ימים, ובדרך כלל פחות מ-%2% הופכות שוב לבטוחות.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>בטל את הסרת ההתקנה והגדר את %1% כספק החיפוש שלי כברירת מחדל!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>לא שיניתי את דעתי. הסר את ההתקנה של %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>בממוצע, מדי יום נוספות למסד הנתונים שלנו %1% כתובות, ורק %2% הופכות שוב לבטוחות.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>אנו מכבדים את ההגנה שכבר יש לך, או את האומץ שלך להסתכן בכניסה בטעות לאחת מ-%1% כתובות האינטרנט המסוכנות.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>תודה שניסית את %1%. אנו מקווים שלפחות תסכים שעשינו עבודה די טובה עם מוצר חינמי לגמרי.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>אילו השתמשת במוצר של מתחרה, היית צריך לשלם כ-10 USD לשנה.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>שיניתי את דעתי, הגנה בחינם זה בכל זאת לא כל כך רע. בטל את הסרת ההתקנה והגדר את %1% כספק החיפוש שלי כברירת מחדל!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>אני לא רוצה הגנה, גם אם היא בחינם!!! עכשיו תסיים כבר להסיר את %1%, בבקשה!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>זיהינו ש-%1% כבר מותקן אצלך. לא ניתן להמשיך בהתקנת %2% עד שתסיר את ההתקנה של %3%</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>תוכנית ההתקנה של %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>הפעלת %1% נכשלה</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>נראה ש-Quobex פועל כעת. סגור את Quobex ותוכניות פעילות אחרות, ולאחר מכן לחץ על "נסה שוב" כדי להמשיך בהתקנה.</translation>
    </message>
</context>
</TS>
