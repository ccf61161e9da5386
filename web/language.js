// The page's language, chosen by the program's rule (src/i18n/LanguageChoice.cpp)
// from the settings the page has: ?lang=, else the browser's languages. Both
// sides are tested on one table of cases (tests/i18n/language-choice.txt).
// The page needs its own choice for what it shows before the program has
// loaded, and to tell the program which catalog it fetched.
'use strict';

const QuorvanelLanguage = (() => {
  // A setting fit to name a catalog file: "en", "en_GB.UTF-8", "sr@latin"; never a path.
  const isLanguageName = name => name.length > 0 && name.length <= 64 && name[0] !== '.' &&
                                 /^[A-Za-z0-9_.@-]*$/.test(name);

  // Chinese, "C" and "POSIX" choose the game's own texts.
  const isSourceLanguage = setting =>
    setting === 'C' || setting === 'POSIX' || setting.startsWith('zh') || setting.startsWith('C.');

  // The catalog names a setting stands for, best first: "en_GB.UTF-8" gives "en_GB", "en".
  function catalogNames(setting) {
    if (!isLanguageName(setting) || isSourceLanguage(setting)) return [];
    const full = setting.split(/[.@]/)[0];
    const language = full.split('_')[0];
    return language === full ? [full] : [full, language];
  }

  return {
    catalogNames,
    // The first catalog of known that the settings, best first, stand for;
    // '' for the game's own Chinese.
    choose(settings, known) {
      for (const setting of settings) {
        if (isSourceLanguage(setting)) break;
        const found = catalogNames(setting).find(name => known.includes(name));
        if (found) return found;
      }
      return '';
    },
    // The page's settings: ?lang=, else the browser's languages, as the
    // program spells them ("en_US", not "en-US").
    pageSettings() {
      const asked = new URLSearchParams(location.search).get('lang');
      return (asked !== null ? [asked] : navigator.languages).map(l => l.replace(/-/g, '_'));
    },
  };
})();
