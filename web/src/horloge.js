// The score clock's wake-ups. The core counts the seconds that really passed since the clock
// started (performance.now()) and takes a point for each; the page only wakes it at each second
// and whenever the page shows or runs again: a hidden tab's timers run about once a minute and a
// frozen one's not at all, and the seconds they missed are counted at the next wake-up.
export function creerHorloge(appel) {
  let actif = false;
  let demarrages = -1;
  let minuteur = null;
  let enCours = false;

  function programmer(attente) {
    clearTimeout(minuteur);
    minuteur = actif && attente >= 0 ? setTimeout(compter, attente + 1) : null;
  }

  // While a rule waits for a box, the count waits behind it and takes every second on its close.
  async function compter() {
    if (!actif || enCours) return;
    enCours = true;
    try {
      programmer(await appel('cg_horloge', [], 'number'));
    } finally {
      enCours = false;
    }
  }

  const reveil = () => { if (document.visibilityState === 'visible') compter(); };
  document.addEventListener('visibilitychange', reveil);
  document.addEventListener('resume', reveil);
  window.addEventListener('pageshow', reveil);
  window.addEventListener('focus', reveil);

  return {
    // The model's score timer: a start from stopped, or a restart, counts anew from its interval.
    suivre(t) {
      const avant = actif;
      actif = !!t.actif;
      if (!actif) programmer(-1);
      else if (!avant || t.demarrages !== demarrages) programmer(t.intervalle);
      demarrages = t.demarrages;
    },
  };
}
