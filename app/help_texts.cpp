// The general help text: every paragraph once, with its heading for the printed guide. The
// work areas' help windows show ranges of these paragraphs (app/help.cpp).
#include "app/help.h"

namespace custovia {

const std::vector<HelpParagraph>& generalParagraphs() {
    static const std::vector<HelpParagraph> paragraphs = {
        // 1-5: introduction
        {"Che cos'è Custovia",
         "Custovia è il software gestionale pensato per gli istituti di vigilanza privata: in un solo "
         "programma riunisce la stesura dei contratti, il coordinamento delle emergenze, l'archivio dei "
         "dipendenti, l'anagrafica dei clienti con i servizi forniti e l'agenda degli appuntamenti."},
        {"Il modello di contratto",
         "Il contratto di vigilanza prodotto da Custovia occupa un solo foglio A4: sul fronte sono "
         "stampati i dati variabili di ciascun contratto, mentre sul retro compaiono le condizioni "
         "generali del servizio, uguali per tutti i clienti."},
        {"I dati dell'istituto e del cliente",
         "Nel contratto confluiscono i dati dell'istituto di vigilanza, con il suo logo, e i dati "
         "anagrafici e fiscali del cliente, che possono essere importati direttamente dall'archivio dei "
         "clienti senza doverli digitare di nuovo."},
        {"Siti e attività",
         "Per ogni contratto si descrivono i siti da sorvegliare e le attività che l'istituto si impegna "
         "a svolgere, con i relativi orari, la durata del servizio e il canone concordato."},
        {"La liberatoria per la privacy",
         "Ogni contratto deve essere accompagnato dalla liberatoria per il trattamento dei dati "
         "personali firmata dal cliente: Custovia la compila automaticamente con i dati della scheda "
         "del cliente, pronta per essere stampata e sottoscritta."},
        // 6-16: employees
        {"L'archivio dei dipendenti",
         "L'app Archivio Dipendenti conserva la scheda anagrafica di ogni dipendente dell'istituto: nome "
         "e cognome, sesso, data e luogo di nascita, indirizzo, recapiti telefonici, e-mail, codice "
         "fiscale, partita IVA, coordinate bancarie IBAN, qualifica, reparto di appartenenza e note."},
        {"La foto del dipendente",
         "A ogni scheda può essere associata una foto del dipendente, in formato JPEG o bitmap: "
         "l'immagine viene adattata alla cornice della scheda e, con il pulsante della lente di "
         "ingrandimento, può essere visualizzata a tutto schermo."},
        {"Uno storico del personale e i controlli",
         "L'archivio resta nel tempo uno storico del personale che ha lavorato per l'istituto. I "
         "pulsanti posti accanto ai campi controllano la correttezza formale del codice fiscale, della "
         "partita IVA e dell'IBAN e permettono di scrivere un'e-mail al dipendente; i dati di un "
         "dipendente possono inoltre essere importati nelle schede di pronto intervento."},
        {"Inserire e modificare una scheda",
         "Per inserire un nuovo dipendente premere Nuovo, compilare la scheda e premere Salva; per "
         "modificarla basta richiamarla, cambiare i dati e salvare di nuovo. Sono obbligatori il nome, "
         "il sesso, il numero di cellulare, la qualifica e il reparto."},
        {"Il pulsante Duplica",
         "Il pulsante Duplica copia i dati della scheda visualizzata in una nuova scheda: è comodo per "
         "inserire dipendenti con dati simili, come la stessa qualifica o lo stesso reparto, cambiando "
         "soltanto ciò che li distingue."},
        {"Scattare una foto con la webcam",
         "Con la webcam collegata al computer si può scattare la foto del dipendente direttamente dal "
         "programma: premere Accendi webcam, poi Cattura foto per fermare l'immagine, importarla nella "
         "scheda con Importa foto in scheda e infine premere Salva per conservarla insieme alla scheda."},
        {"Ingrandire, salvare e ritoccare la foto",
         "La foto può essere ingrandita, salvata su disco per essere ritoccata con un programma di "
         "grafica e poi ricaricata nella scheda con il pulsante Carica; allo stesso modo si carica una "
         "foto in formato JPEG scattata con una fotocamera digitale o con il telefono."},
        {"La presentazione delle foto",
         "La presentazione mostra a tutto schermo, una dopo l'altra, le foto di tutti i dipendenti, "
         "ciascuna per sei secondi, ricominciando dalla prima dopo l'ultima; per uscire basta un clic "
         "sull'immagine."},
        {"Cercare i dipendenti",
         "La finestra di ricerca trova i dipendenti in archivio in base a uno o più filtri combinati "
         "tra loro, come il nome, la qualifica o il reparto; un doppio clic su una riga dell'elenco "
         "riporta la scheda sullo schermo."},
        {"Allegare file a un dipendente",
         "A ogni scheda si possono allegare fino a tre file, come documenti, attestati o contratti di "
         "lavoro, ciascuno con una breve descrizione; il pulsante Apri li apre con il programma "
         "predefinito del computer."},
        {"Stampare la scheda del dipendente",
         "La scheda del dipendente, con la sua foto, può essere vista in anteprima sullo schermo e "
         "stampata su carta."},
        // 17-29: clients and services
        {"Clienti e servizi",
         "L'app Clienti e Servizi è una rubrica completa dei clienti dell'istituto. I suoi dati vengono "
         "riutilizzati nei contratti e nell'agenda degli appuntamenti senza doverli digitare di nuovo; "
         "l'app controlla i codici fiscali e bancari, scrive e-mail e prepara la liberatoria per la "
         "privacy."},
        {"I dati del cliente",
         "Di ogni cliente si possono registrare i dati anagrafici, l'indirizzo, i recapiti telefonici e "
         "l'e-mail, e i dati fiscali e di pagamento: codice fiscale, partita IVA, numero della carta di "
         "pagamento e IBAN."},
        {"Inserire e modificare un cliente",
         "Per inserire un nuovo cliente premere Nuovo, compilare la scheda e premere Salva; per "
         "modificarla basta richiamarla, cambiare i dati e salvare di nuovo. Sono obbligatori il nome, "
         "il numero di cellulare e il codice fiscale."},
        {"Questioni in sospeso e clienti da ricontattare",
         "Nel campo delle questioni in sospeso si annota ciò che resta da definire con il cliente. "
         "Spuntando la casella Da ricontattare, il cliente compare nell'elenco dei clienti da "
         "ricontattare, che si apre con il pulsante omonimo."},
        {"Il pulsante Duplica",
         "Il pulsante Duplica copia i dati della scheda visualizzata in una nuova scheda, utile per "
         "inserire clienti con dati simili, come i membri di una stessa famiglia o le sedi di una stessa "
         "azienda."},
        {"Cercare i clienti",
         "La finestra di ricerca trova i clienti in archivio in base a uno o più filtri combinati tra "
         "loro; un doppio clic su una riga dell'elenco riporta la scheda sullo schermo."},
        {"Allegare file a un cliente",
         "A ogni cliente si possono allegare fino a tre file, ciascuno con una descrizione, che il "
         "pulsante Apri apre con il programma predefinito del computer."},
        {"I pulsanti di controllo e l'e-mail",
         "I pulsanti accanto ai campi controllano il codice fiscale, il numero della carta di pagamento, "
         "l'IBAN e la partita IVA; il controllo della partita IVA indica anche l'ufficio provinciale che "
         "l'ha rilasciata. Il pulsante accanto all'e-mail prepara un nuovo messaggio per il cliente."},
        {"I servizi forniti",
         "Il pulsante Servizi forniti apre l'elenco dei servizi prestati al cliente: la scheda del "
         "cliente deve prima essere salvata o richiamata dall'archivio, poi con Aggiungi voce si "
         "registra ogni nuovo servizio."},
        {"Modificare un servizio",
         "Un servizio già registrato si corregge selezionandolo e premendo Modifica voce. Di ogni "
         "servizio si registrano la data, l'ora, il tipo di servizio, l'agente che lo ha svolto e "
         "l'importo pagato."},
        {"Il totale e il riepilogo dei servizi",
         "Il programma calcola automaticamente il totale degli importi pagati dal cliente; il pulsante "
         "Stampa riepilogo stampa l'elenco dei servizi forniti con il loro totale."},
        {"La liberatoria per la privacy",
         "Il pulsante P prepara la liberatoria per il trattamento dei dati personali, già compilata con "
         "i dati della scheda del cliente, pronta da stampare e far firmare."},
        {"Stampa, PDF ed esportazione",
         "La scheda del cliente può essere vista in anteprima, stampata o salvata come documento PDF; "
         "l'intero archivio dei clienti può inoltre essere esportato in un foglio di Excel."},
        // 30-38: contracts
        {"Il modello di contratto",
         "L'app Stesura Contratti registra tutti i dati del contratto di vigilanza: il numero e la data, "
         "i dati del cliente, i siti da sorvegliare, i servizi e le attività, gli orari, la durata, il "
         "canone e le modalità di pagamento."},
        {"Un solo foglio A4",
         "Il contratto si stampa su un solo foglio A4: sul fronte i dati variabili, sul retro le "
         "condizioni generali del servizio. Insieme al contratto va consegnata al cliente la "
         "liberatoria per la privacy."},
        {"I dati e il logo dell'istituto",
         "I dati dell'istituto e il suo logo si inseriscono una sola volta e vengono memorizzati in "
         "automatico all'uscita dall'app, pronti per ogni nuovo contratto; il logo, un'immagine JPEG o "
         "bitmap, si carica con il pulsante Sfoglia della finestra di impostazione del logo."},
        {"Inserire e modificare un contratto",
         "Per redigere un nuovo contratto premere Nuovo, compilare la scheda e premere Salva; per "
         "modificarlo basta richiamarlo, cambiare i dati e salvare di nuovo."},
        {"La numerazione dei contratti",
         "Premendo Nuovo, il contratto riceve automaticamente il numero successivo al totale dei "
         "contratti già archiviati. Chi proviene da un altro sistema di numerazione può far partire la "
         "numerazione da un numero più alto, impostandolo una volta sola con il pulsante N."},
        {"Importare i dati del cliente",
         "I dati del cliente si importano dall'archivio dei clienti con l'apposito pulsante, senza "
         "doverli digitare di nuovo."},
        {"Il pulsante Duplica",
         "Il pulsante Duplica copia il contratto visualizzato in una nuova scheda: è il modo più rapido "
         "per rinnovare un contratto, aggiornando soltanto i dati che cambiano."},
        {"Cercare i contratti e allegare file",
         "La finestra di ricerca trova i contratti in archivio in base a uno o più filtri; a ogni "
         "contratto si possono allegare fino a tre file, ciascuno con una descrizione."},
        {"Stampa ed esportazione",
         "Il contratto si stampa sulle due facciate di un foglio A4, dopo averlo eventualmente "
         "controllato in anteprima; l'archivio dei contratti può essere esportato in un foglio di Excel."},
        // 39-45: agenda
        {"L'agenda degli appuntamenti",
         "L'app Agenda Appuntamenti tiene gli appuntamenti fissati con i clienti, ciascuno con la data, "
         "l'ora, i giorni di preavviso, i servizi da svolgere, l'operatore incaricato, i dati del "
         "cliente e il pagamento."},
        {"La schermata iniziale dell'agenda",
         "All'apertura l'agenda mostra gli appuntamenti imminenti e permette di consultare il "
         "riepilogo di un giorno o di un mese. Gli appuntamenti si inseriscono e si modificano nello "
         "schedario degli appuntamenti, che si apre con il pulsante Inserisci appuntamenti."},
        {"L'avviso all'apertura",
         "Quando ci sono appuntamenti imminenti, all'apertura dell'agenda compaiono un messaggio e un "
         "breve suono di avviso. L'elenco degli appuntamenti imminenti può essere stampato ed esportato "
         "in Excel."},
        {"Consultare il calendario",
         "L'agenda serve soltanto alla consultazione e non modifica gli appuntamenti. Scelto un giorno "
         "nel calendario, i due pulsanti sottostanti mostrano gli appuntamenti di quel giorno o di "
         "quel mese."},
        {"I giorni di preavviso",
         "L'elenco degli appuntamenti imminenti rispetta i giorni di preavviso di ciascun "
         "appuntamento: un appuntamento compare a partire dal giorno in cui scatta il suo preavviso."},
        {"L'ordine degli appuntamenti imminenti",
         "Gli appuntamenti imminenti sono ordinati per data e ora; quando non ce ne sono, l'elenco "
         "resta vuoto."},
        {"Il promemoria su WhatsApp",
         "Per inviare al cliente un promemoria con WhatsApp, selezionare l'appuntamento nell'elenco e "
         "fare clic sull'icona di WhatsApp; controllati i dati del cliente, premere Invia messaggio: il "
         "messaggio si apre in WhatsApp Web, pronto per essere spedito."},
        // 46-56: appointment archive
        {"Lo schedario degli appuntamenti",
         "Nell'app Schedario Appuntamenti si registrano gli appuntamenti, che compaiono poi "
         "nell'agenda; l'archivio può essere esportato in Excel in ordine cronologico."},
        {"Inserire un appuntamento",
         "Per inserire un nuovo appuntamento premere Nuovo, compilare la scheda e premere Salva. Sono "
         "obbligatori la data, l'ora, i giorni di preavviso, il nome del cliente, il suo cellulare e i "
         "servizi; i dati del cliente si possono importare dall'archivio dei clienti."},
        {"Quanti appuntamenti",
         "Non c'è limite al numero di appuntamenti in uno stesso giorno. Di ogni appuntamento si "
         "registrano il cliente, il luogo, i servizi, l'operatore incaricato, l'importo e le note."},
        {"Appuntamenti ricorrenti",
         "Il pulsante Duplica copia l'appuntamento visualizzato in una nuova scheda con tutti i dati "
         "tranne la data e l'ora: è il modo più rapido per fissare appuntamenti che si ripetono."},
        {"La conferma su WhatsApp",
         "Dopo aver salvato l'appuntamento si può inviare al cliente una conferma con WhatsApp, "
         "preparata automaticamente con la data e l'ora fissate."},
        {"La ricerca avanzata",
         "La ricerca avanzata trova gli appuntamenti combinando più criteri, come il cliente, la data, "
         "l'operatore o i servizi; l'elenco trovato può essere stampato."},
        {"I giorni di preavviso",
         "I giorni di preavviso stabiliscono con quanto anticipo l'appuntamento viene segnalato: "
         "all'apertura dell'agenda un avviso visivo e sonoro ricorda gli appuntamenti imminenti."},
        {"Impegno assolto",
         "Quando un appuntamento è stato svolto, spuntare la casella Impegno assolto e salvare la "
         "scheda: l'appuntamento non verrà più segnalato come imminente."},
        {"Gli elenchi degli appuntamenti",
         "Gli elenchi Assolti, Da assolvere e Scaduti raccolgono gli appuntamenti già svolti, quelli "
         "ancora da svolgere e quelli la cui data è passata senza che siano stati segnati come assolti."},
        {"Aggiornare un appuntamento da un elenco",
         "Per aggiornare un appuntamento basta trovarlo in uno degli elenchi e farvi doppio clic: la "
         "scheda viene riportata sullo schermo, pronta per essere modificata e salvata."},
        {"Stampa ed esportazione",
         "La scheda di un appuntamento può essere vista in anteprima e stampata; l'intero archivio "
         "degli appuntamenti può essere esportato in Excel."},
        // 57-68: emergency coordination
        {"Il coordinamento delle emergenze",
         "L'app Coordinamento Emergenze permette ai centralinisti di registrare le chiamate di emergenza "
         "e di inviare le richieste di intervento agli operatori di pronto intervento con un messaggio "
         "di WhatsApp."},
        {"Inserire e modificare una scheda",
         "Per registrare una nuova chiamata premere Nuovo, compilare la scheda di intervento e premere "
         "Salva; per modificarla basta richiamarla, cambiare i dati e salvare di nuovo."},
        {"Il pulsante Duplica",
         "Il pulsante Duplica copia la scheda visualizzata in una nuova scheda con la data e l'ora "
         "correnti: è utile per registrare un nuovo intervento per lo stesso cliente."},
        {"I dati della scheda di intervento",
         "La scheda di intervento registra la data e l'ora della chiamata, il centralinista, il cliente "
         "che la segnala con il suo cellulare, il problema e il luogo dell'emergenza, l'operatore di "
         "pronto intervento, il veicolo utilizzato con la sua targa e le note."},
        {"Importare l'operatore di pronto intervento",
         "Con la freccia verde accanto al campo dell'operatore si importano dall'archivio dei "
         "dipendenti il nome e il numero di cellulare dell'operatore di pronto intervento."},
        {"Il nome del centralinista",
         "Il programma ricorda il nome del centralinista: alla successiva apertura dell'app il campo è "
         "già compilato."},
        {"Inviare la richiesta su WhatsApp",
         "Dopo aver salvato la scheda, il pulsante Invia messaggio prepara in WhatsApp Web la richiesta "
         "di pronto intervento per l'operatore, con i dati dell'emergenza."},
        {"Gli interventi in corso",
         "Il pulsante con il triangolo giallo mostra gli interventi in corso, cioè quelli non ancora "
         "segnati come terminati."},
        {"Intervento terminato",
         "Concluso l'intervento, spuntare la casella Intervento terminato e salvare la scheda: "
         "l'intervento esce dall'elenco di quelli in corso."},
        {"Cercare gli interventi",
         "La finestra di ricerca trova gli interventi in archivio in base a uno o più filtri combinati "
         "tra loro; un doppio clic su una riga dell'elenco riporta la scheda sullo schermo."},
        {"Allegare file a un intervento",
         "A ogni intervento si possono allegare fino a tre file, come foto o verbali, ciascuno con una "
         "descrizione."},
        {"Stampa ed esportazione",
         "La scheda di intervento può essere stampata; l'intero archivio degli interventi può essere "
         "esportato in un foglio di Excel."},
        // 69-72: closing
        {"Custovia su una chiavetta USB",
         "Custovia funziona anche da una chiavetta USB: basta copiarvi la sua cartella. Copiare la "
         "cartella è anche il modo più rapido per fare una copia di sicurezza di tutti gli archivi."},
        {"Lavorare in rete",
         "Gli archivi possono essere condivisi tra più postazioni collegate a una rete locale, mettendo "
         "la cartella del programma in una cartella condivisa."},
        {"La password di accesso",
         "L'accesso al programma è protetto da una password, che l'utente può cambiare quando vuole. "
         "Per il primo accesso la password è \"guardianottura\", da digitare senza virgolette."},
        {"Buon lavoro con Custovia",
         "Custovia è la soluzione completa per i contratti, le emergenze, i dipendenti, i clienti e gli "
         "appuntamenti del vostro istituto di vigilanza: si impara in pochi minuti e si usa ogni giorno."},
    };
    return paragraphs;
}

}  // namespace custovia
