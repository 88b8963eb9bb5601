// The help's "Zur Webseite" leads back to the case that the page showed: the page hands its
// address, without "#", to the help as the query.
const back = location.search.slice(1);
if (/^(fall|hinweise)=[\d-]+$/.test(back)) {
    document.getElementById('zur-webseite').href = `../#${back}`;
}
