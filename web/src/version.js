// The service worker and the versions of the game. A new version is installed beside the one in
// use and waits: the page says "Nouvelle version — recharger", and only the player's click lets it
// take over, the page then loading again whole from it. A page never runs on two versions.

let demandee = false;   // this page asked the new version to take over

function offrir(nouvelle) {
  let bandeau = document.getElementById('nouvelleVersion');
  if (!bandeau) {
    bandeau = document.createElement('button');
    bandeau.type = 'button';
    bandeau.id = 'nouvelleVersion';
    bandeau.textContent = 'Nouvelle version — recharger';
    document.body.append(bandeau);
  }
  bandeau.onclick = () => {
    bandeau.disabled = true;
    if (nouvelle) {
      demandee = true;
      nouvelle.postMessage('activer');
    } else {
      location.reload();
    }
  };
}

export function surveillerVersions() {
  if (!('serviceWorker' in navigator) || location.protocol === 'file:') return;
  const sw = navigator.serviceWorker;
  let controlee = !!sw.controller;
  sw.addEventListener('controllerchange', () => {
    // The first visit's worker takes the page it was installed from: nothing changes for it.
    if (!controlee && !demandee) {
      controlee = true;
      return;
    }
    // Asked here, or by another tab while this one was still loading: the page loads again.
    if (demandee || document.readyState !== 'complete') location.reload();
    // Asked by another tab: this page runs on, and offers the version now in place.
    else offrir(null);
  });
  sw.register('sw.js').then((registration) => {
    const verifier = () => {
      if (registration.waiting && sw.controller) offrir(registration.waiting);
    };
    verifier();
    registration.addEventListener('updatefound', () => {
      const installation = registration.installing;
      if (installation) installation.addEventListener('statechange', verifier);
    });
    // A page left open looks for a new version each time it is shown again.
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible') registration.update().catch(() => {});
    });
  }).catch(() => {});
}
