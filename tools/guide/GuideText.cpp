#include "tools/guide/GuideText.h"

#include "app/help.h"
#include "archive/windows/qt_text.h"

namespace custovia::guide {
namespace {

GuideChapter gettingStarted() {
    GuideChapter c{QStringLiteral("Per cominciare"), {}};
    c.paragraph(QStringLiteral(
        "Custovia riunisce in un solo programma il lavoro quotidiano di un istituto di vigilanza privata: le "
        "chiamate di emergenza, i clienti con i servizi forniti, i dipendenti, gli appuntamenti e i "
        "contratti. "
        "Questo capitolo spiega come entrare nel programma, come muoversi tra le sue app e dove vengono "
        "conservati i dati."));

    c.section(QStringLiteral("Il primo accesso"))
        .paragraph(QStringLiteral(
            "All'avvio Custovia chiede la password di accesso, una sola per tutti gli utenti dell'istituto. "
            "Per il primo accesso la password è **guardianottura**."))
        .steps(
            {QStringLiteral("Avviare Custovia: compare la finestra **Custovia - Autenticazione**."),
             QStringLiteral(
                 "Digitare la password nella casella bianca, cornice gialla: i caratteri compaiono "
                 "come pallini. Maiuscole e minuscole sono equivalenti e gli spazi iniziali e "
                 "finali non contano."),
             QStringLiteral("Premere **OK** oppure il tasto Invio: se la password è giusta si apre la "
                            "schermata di avvio. Se compare il messaggio \"Attenzione: password errata.\", "
                            "digitarla di nuovo."),
             QStringLiteral("Per uscire senza entrare premere **Esci**.")})
        .picture(QStringLiteral("accesso"),
                 QStringLiteral("La finestra di accesso, con la password digitata."));

    c.section(QStringLiteral("Cambiare la password"))
        .paragraph(QStringLiteral("Conviene cambiare la password del primo accesso subito dopo "
                                  "l'installazione e comunicare la nuova "
                                  "password soltanto a chi usa il programma."))
        .steps(
            {QStringLiteral("Nella finestra di accesso premere **Cambia password**."),
             QStringLiteral("Nella casella **Vecchia password** digitare la password attuale."),
             QStringLiteral("Digitare la nuova password in **Nuova password** e ripeterla, identica, in "
                            "**Conferma nuova password**. Il tasto Invio passa da una casella all'altra."),
             QStringLiteral("Premere **OK**: compare il messaggio \"Modifica della password completata con "
                            "successo.\" e si torna alla finestra di accesso, dove si entra con la nuova "
                            "password."),
             QStringLiteral("Premere **Chiudi** per tornare alla finestra di accesso senza cambiare nulla.")})
        .picture(QStringLiteral("cambia_password"), QStringLiteral("La finestra per cambiare la password."))
        .note(QStringLiteral(
            "La nuova password e la sua conferma devono coincidere anche nelle maiuscole e minuscole; al "
            "momento dell'accesso, invece, maiuscole e minuscole sono equivalenti."));

    c.section(QStringLiteral("La schermata di avvio"))
        .paragraph(QStringLiteral("Dopo l'accesso compare la schermata di avvio **Custovia**, con un "
                                  "riquadro per ciascuna app. Un clic "
                                  "su un riquadro apre l'app e nasconde la schermata di avvio; uscendo "
                                  "dall'app la schermata di avvio "
                                  "ricompare."))
        .bullets(
            {QStringLiteral("**Archivio Dipendenti**: le schede del personale con le foto (capitolo 5)."),
             QStringLiteral("**Clienti e Servizi**: l'anagrafica dei clienti, i servizi forniti e la "
                            "liberatoria per la privacy (capitolo 4)."),
             QStringLiteral("**Stesura Contratti**: i contratti di vigilanza da stampare (capitolo 8)."),
             QStringLiteral("**Agenda Appuntamenti**: gli appuntamenti imminenti con l'avviso sonoro e lo "
                            "schedario degli appuntamenti (capitoli 6 e 7)."),
             QStringLiteral("**Coordinamento Emergenze**: le chiamate di emergenza e le richieste di "
                            "intervento su WhatsApp (capitolo 3).")})
        .picture(QStringLiteral("avvio"),
                 QStringLiteral("La schermata di avvio con i cinque riquadri e le icone."))
        .paragraph(QStringLiteral(
            "Le quattro icone in alto a destra aprono, nell'ordine, le **informazioni** sul programma (la "
            "\"i\" blu), la **guida in linea** (il punto interrogativo verde), la finestra di "
            "**presentazione** "
            "con il logo e il sito del programma (lo scudo) e chiudono il programma (**Esci**, il pulsante "
            "rosso). La fascia in basso apre il sito del programma nel browser."));

    c.section(QStringLiteral("La guida in linea"))
        .paragraph(QStringLiteral(
            "In ogni app il pulsante **Guida** (il punto interrogativo) apre la finestra **Guida "
            "all'utilizzo "
            "del software** con le indicazioni che riguardano quell'app; dalla schermata di avvio si apre la "
            "guida completa. Il collegamento **Visualizza guida in formato PDF** apre questo manuale. I "
            "testi "
            "della guida in linea sono riportati per intero nel capitolo 9."))
        .picture(QStringLiteral("guida"),
                 QStringLiteral("La guida in linea aperta dalla schermata di avvio."));

    c.section(QStringLiteral("Dove sono i dati"))
        .paragraph(QStringLiteral(
            "Tutti i dati di Custovia stanno in una sola cartella, la **cartella dei dati**: gli archivi "
            "delle "
            "schede (i file con estensione .pro, tra cui i servizi di ciascun cliente), le impostazioni (i "
            "file "
            ".ini), la password, i file allegati nella cartella **Documenti_Allegati**, le foto dei "
            "dipendenti "
            "nella cartella **Anagrafica**, il logo dell'istituto, la liberatoria per la privacy e i file "
            "esportati in Excel."))
        .bullets(
            {QStringLiteral("**Programma portatile**: quando la cartella del programma contiene la "
                            "password (il file unins000.dll accanto al programma), come una cartella copiata "
                            "su una chiavetta USB, i dati stanno nella cartella del programma stesso."),
             QStringLiteral("**Programma installato**: i dati stanno nella cartella indicata all'avvio con "
                            "l'opzione --folder oppure con la variabile d'ambiente CUSTOVIA_FOLDER; se "
                            "nessuna delle due è data, nella cartella dei dati dell'utente, "
                            "~/.local/share/Custovia (su Windows %LOCALAPPDATA%\\Custovia). Al primo avvio "
                            "il programma vi prepara la password del primo accesso.")})
        .paragraph(QStringLiteral("La finestra delle informazioni, che si apre con la \"i\" blu della "
                                  "schermata di avvio, indica la "
                                  "cartella dei dati in uso."))
        .subheading(QStringLiteral("Lavorare in rete"))
        .paragraph(QStringLiteral(
            "Più postazioni possono lavorare sugli stessi archivi: basta che tutte usino la stessa cartella "
            "dei dati su un disco condiviso della rete locale, avviando il programma con --folder seguito "
            "dal "
            "percorso della cartella condivisa. Due postazioni che salvano una nuova scheda nello stesso "
            "momento ottengono ciascuna la propria scheda."));

    c.section(QStringLiteral("Copie di sicurezza"))
        .paragraph(QStringLiteral(
            "All'inizio di ogni giornata, al primo avvio, Custovia scrive da solo una copia di sicurezza di "
            "tutta la cartella dei dati (archivi, impostazioni, password, allegati, foto, logo e modulo "
            "della privacy) in un unico file Custovia_AAAA-MM-GG_HHMM.zip nella cartella Backup, e "
            "conserva le 14 copie più recenti. Se la copia non riesce, la schermata di avvio lo dice una "
            "volta, senza fermare il lavoro."))
        .paragraph(QStringLiteral(
            "La finestra **Copie di sicurezza** si apre con la sua icona nella schermata di avvio:"))
        .bullets({QStringLiteral("**Esegui ora** scrive subito una copia;"),
                  QStringLiteral("**Cartella delle copie** e **Sfoglia...** scelgono dove vanno le copie "
                                 "(meglio un disco diverso da quello del computer); **Predefinita** torna "
                                 "alla cartella Backup;"),
                  QStringLiteral("**Copie automatiche da conservare** dice quante copie tenere;"),
                  QStringLiteral("**Verifica** controlla archivi, impostazioni, allegati e foto senza "
                                 "modificarli e ne scrive l'esito;"),
                  QStringLiteral("**Registro messaggi** elenca, dal più recente, ogni messaggio WhatsApp "
                                 "e ogni e-mail che il programma ha passato al sistema.")})
        .subheading(QStringLiteral("Ripristinare una copia"))
        .steps({QStringLiteral("Chiudere tutte le app: il ripristino si fa solo dalla schermata di avvio."),
                QStringLiteral("Aprire **Copie di sicurezza**, scegliere la copia nell'elenco e premere "
                               "**Ripristina…**."),
                QStringLiteral("Se la copia è più vecchia dell'ultima scheda archiviata, il programma "
                               "mostra le due date e chiede conferma."),
                QStringLiteral("I file sostituiti non vengono cancellati: restano nella cartella "
                               "Backup/Sostituiti_AAAA-MM-GG_HHMM.")});
    return c;
}

GuideChapter cards() {
    GuideChapter c{QStringLiteral("Le schede: come si lavora"), {}};
    c.paragraph(QStringLiteral(
        "Ogni app di Custovia, tranne l'agenda, è uno schedario: sullo schermo c'è una scheda alla volta, "
        "con "
        "i suoi campi, e in alto una barra di pulsanti. Le operazioni di questo capitolo si fanno allo "
        "stesso "
        "modo in tutte le app; i capitoli che seguono spiegano ciò che ciascuna ha di particolare."));

    c.section(QStringLiteral("La barra dei pulsanti"))
        .paragraph(QStringLiteral(
            "Passando con il mouse su un pulsante, la riga in fondo alla finestra spiega a che cosa serve. I "
            "pulsanti che si trovano in tutte le app sono:"))
        .bullets(
            {QStringLiteral("**Nuovo**: prepara una scheda vuota per una nuova registrazione."),
             QStringLiteral("**Duplica**: copia la scheda sullo schermo in una nuova scheda, da completare."),
             QStringLiteral("**Salva**: conserva la scheda nell'archivio."),
             QStringLiteral("**Trova**: apre la finestra di ricerca."),
             QStringLiteral("**Allega file**: collega alla scheda fino a tre documenti."),
             QStringLiteral("**Anteprima** e **Stampa**: mostrano e stampano la scheda."),
             QStringLiteral("Le quattro **frecce** blu: mostrano la prima scheda, quella precedente, quella "
                            "successiva e l'ultima; la casella tra le frecce indica il numero della scheda "
                            "sullo schermo ed è vuota per una scheda nuova."),
             QStringLiteral("**Esporta**: trascrive l'intero archivio in un foglio di Excel."),
             QStringLiteral("**Guida** ed **Esci**: aprono la guida in linea e tornano alla schermata di "
                            "avvio.")});

    c.section(QStringLiteral("Registrare una nuova scheda"))
        .steps(
            {QStringLiteral("Aprire l'app: la scheda sullo schermo è già pronta per una nuova registrazione "
                            "(altrimenti premere **Nuovo**)."),
             QStringLiteral("Compilare i campi. Il tasto Invio passa al campo successivo senza salvare; il "
                            "campo in cui si scrive è evidenziato in giallo."),
             QStringLiteral("Le date si scelgono dal calendario, con l'icona accanto al campo della data; "
                            "le ore e i minuti si scelgono dagli elenchi."),
             QStringLiteral("Premere **Salva**. Se manca un dato obbligatorio, un messaggio dice quale e il "
                            "cursore si sposta nel campo da compilare; altrimenti la casella tra le frecce "
                            "mostra il numero che la scheda ha preso nell'archivio.")})
        .picture(QStringLiteral("calendario"),
                 QStringLiteral(
                     "Il calendario, aperto con l'icona accanto alla data di una scheda di intervento."));

    c.section(QStringLiteral("Correggere una scheda"))
        .steps(
            {QStringLiteral("Portare la scheda sullo schermo con le **frecce** oppure con **Trova** (vedi "
                            "sotto)."),
             QStringLiteral("Correggere i campi."),
             QStringLiteral("Premere **Salva**: la scheda viene aggiornata al suo posto nell'archivio, con "
                            "lo stesso numero.")})
        .note(QStringLiteral("Le schede non si cancellano: un archivio conserva la storia dell'istituto. Per "
                             "le schede che non "
                             "servono più si usano le caselle come **Intervento terminato** o **Impegno "
                             "assolto**, che le tolgono "
                             "dagli elenchi di lavoro."));

    c.section(QStringLiteral("Duplicare una scheda"))
        .paragraph(QStringLiteral(
            "Per registrare una scheda simile a una già salvata (un nuovo intervento per lo stesso cliente, "
            "un "
            "contratto da rinnovare, un appuntamento che si ripete) portare sullo schermo la scheda salvata, "
            "premere **Duplica**, cambiare ciò che è diverso e premere **Salva**: si aggiunge una nuova "
            "scheda e "
            "l'originale resta com'era."));

    c.section(QStringLiteral("Trovare una scheda"))
        .steps(
            {QStringLiteral("Premere **Trova**: si apre la finestra di ricerca con un campo per ciascun "
                            "criterio."),
             QStringLiteral(
                 "Compilare uno o più criteri: basta una parte del testo, maiuscole e minuscole "
                 "sono equivalenti; lasciando vuoti tutti i criteri si ottengono tutte le schede."),
             QStringLiteral("Premere **Cerca**: compare l'elenco delle schede trovate con il loro numero."),
             QStringLiteral("Per andare a una riga scrivere una parola nella casella **Trova** e premere il "
                            "pulsante accanto: viene selezionata la prima riga che la contiene e, premendolo "
                            "di nuovo, la successiva."),
             QStringLiteral("Fare doppio clic su una riga: la scheda compare nell'app, pronta per essere "
                            "letta o corretta. **Stampa** stampa l'elenco; **Chiudi** chiude la finestra.")})
        .picture(QStringLiteral("clienti_filtri"),
                 QStringLiteral("La ricerca dei clienti: un criterio compilato, prima di Cerca."));

    c.section(QStringLiteral("Allegare file a una scheda"))
        .paragraph(QStringLiteral(
            "A ogni scheda si possono allegare fino a tre file (documenti, foto, verbali, contratti "
            "firmati), "
            "ciascuno con una descrizione. Custovia ne conserva una copia nella cartella Documenti_Allegati "
            "della cartella dei dati."))
        .steps({QStringLiteral("Portare sullo schermo la scheda e premere **Allega file**."),
                QStringLiteral("Premere **Sfoglia...** accanto a una delle tre righe e scegliere il file."),
                QStringLiteral("Scrivere una breve descrizione del file."),
                QStringLiteral("Premere **Applica e chiudi** e poi **Salva** nella scheda: gli allegati si "
                               "conservano insieme alla scheda."),
                QStringLiteral(
                    "Per aprire un allegato premere **Apri** accanto al suo nome: il file si apre con "
                    "il programma predefinito del computer.")})
        .picture(QStringLiteral("allegati"), QStringLiteral("I file allegati a una scheda cliente."));

    c.section(QStringLiteral("Stampare una scheda"))
        .steps(
            {QStringLiteral("Portare la scheda sullo schermo."),
             QStringLiteral("Premere **Anteprima** (e, dove compare la finestra **Anteprima di stampa**, "
                            "**Mostra anteprima**) per vedere la scheda come sarà stampata, con i pulsanti "
                            "per ingrandirla, scorrerne le pagine e stamparla."),
             QStringLiteral(
                 "Oppure premere **Stampa** (e, dove compare la finestra **Stampa documento**, di "
                 "nuovo **Stampa**), scegliere la stampante e confermare; **Annulla** rinuncia.")});

    c.section(QStringLiteral("Esportare un archivio in Excel"))
        .steps(
            {QStringLiteral("Premere **Esporta**: si apre la griglia con tutte le schede dell'archivio."),
             QStringLiteral("Fare clic sull'icona di Excel e rispondere **Sì** alla domanda: il file viene "
                            "creato nella cartella dei dati (per esempio Clienti.xls per i clienti)."),
             QStringLiteral("Rispondere **Sì** alla domanda successiva per aprirlo subito con il programma "
                            "dei fogli di calcolo, da cui si può salvare con il nome e nella cartella che si "
                            "preferiscono.")})
        .picture(QStringLiteral("esporta"),
                 QStringLiteral("La griglia di esportazione dell'archivio dei clienti."));
    return c;
}

GuideChapter emergencies() {
    GuideChapter c{QStringLiteral("Coordinamento Emergenze"), {}};
    c.paragraph(QStringLiteral(
        "L'app Coordinamento Emergenze serve al centralinista per registrare le chiamate di emergenza e per "
        "mandare la richiesta di intervento all'operatore di pronto intervento con un messaggio di WhatsApp. "
        "Si apre con il riquadro rosso della schermata di avvio."));

    c.section(QStringLiteral("Registrare una chiamata"))
        .steps(
            {QStringLiteral("Aprire l'app: la scheda nuova ha già la data e l'ora correnti e il nome del "
                            "centralinista, che il programma ricorda dall'ultima volta."),
             QStringLiteral("Scrivere il **Cliente segnalatore** e il suo **Tel. cellulare**, oppure "
                            "importarli dall'archivio dei clienti con la freccia verde accanto al nome: "
                            "nella ricerca che si apre, un doppio clic sul cliente copia i suoi dati nella "
                            "scheda."),
             QStringLiteral("Descrivere il **Problema segnalato** e il **Luogo emergenza**."),
             QStringLiteral("Importare l'**Operatore di pronto intervento** con la freccia verde accanto al "
                            "suo campo: nome e cellulare arrivano dall'archivio dei dipendenti."),
             QStringLiteral("Indicare il **Veicolo utilizzato** e la **Targa**, ed eventualmente le note."),
             QStringLiteral("Premere **Salva**.")})
        .picture(QStringLiteral("interventi_scheda"),
                 QStringLiteral("Una scheda di intervento salvata, con i pulsanti della barra."));

    c.section(QStringLiteral("Inviare la richiesta su WhatsApp"))
        .steps({QStringLiteral("Salvare la scheda."),
                QStringLiteral("Premere **Invia messaggio** accanto al cellulare dell'operatore: si apre "
                               "WhatsApp Web con la richiesta di pronto intervento già scritta, con i dati "
                               "dell'emergenza."),
                QStringLiteral("Controllare il messaggio e spedirlo da WhatsApp Web.")});

    c.section(QStringLiteral("Seguire gli interventi in corso"))
        .paragraph(QStringLiteral(
            "Il pulsante con il triangolo giallo, **Interventi in corso**, elenca gli interventi non ancora "
            "segnati come terminati. Un doppio clic su una riga porta la scheda sullo schermo."))
        .picture(QStringLiteral("interventi_in_corso"), QStringLiteral("Gli interventi in corso."))
        .subheading(QStringLiteral("Chiudere un intervento"))
        .steps({QStringLiteral("Aprire gli interventi in corso e fare doppio clic sull'intervento concluso."),
                QStringLiteral("Spuntare la casella **Intervento terminato**."),
                QStringLiteral("Premere **Salva**: l'intervento esce dall'elenco di quelli in corso.")});

    c.section(QStringLiteral("Cercare, stampare ed esportare gli interventi"))
        .paragraph(QStringLiteral(
            "**Trova** cerca gli interventi per data, centralinista, cliente, problema, luogo, veicolo, "
            "targa, "
            "operatore o note; **Stampa** stampa la scheda sullo schermo; **Esporta** crea il file "
            "Riepilogo_Interventi.xls con tutto l'archivio (capitolo 2)."))
        .picture(QStringLiteral("interventi_trova"),
                 QStringLiteral("Gli interventi segnalati da un cliente, trovati con la ricerca."));
    return c;
}

GuideChapter clients() {
    GuideChapter c{QStringLiteral("Clienti e Servizi"), {}};
    c.paragraph(
        QStringLiteral("L'app Clienti e Servizi è la rubrica dei clienti dell'istituto. I suoi dati si "
                       "importano nelle schede "
                       "di intervento, negli appuntamenti e nei contratti senza doverli digitare di nuovo."));

    c.section(QStringLiteral("Registrare un cliente"))
        .steps(
            {QStringLiteral("Aprire l'app con il riquadro **Clienti e Servizi**."),
             QStringLiteral("Compilare i dati anagrafici e di residenza, i recapiti e i dati fiscali. Sono "
                            "obbligatori **Cognome e nome (o Ragione sociale)**, **Tel. cellulare** e "
                            "**Codice fiscale**."),
             QStringLiteral("Annotare in **Questioni in sospeso** ciò che resta da definire e spuntare **Da "
                            "ricontattare** se il cliente va richiamato."),
             QStringLiteral("Premere **Salva**.")})
        .picture(QStringLiteral("clienti_scheda"), QStringLiteral("La scheda di un cliente."));

    c.section(QStringLiteral("Controllare i codici e scrivere un'e-mail"))
        .paragraph(QStringLiteral(
            "Il segno di spunta verde accanto al **Codice fiscale**, alla **Partita IVA**, alla **Carta di "
            "credito** e all'**IBAN** apre una piccola finestra con il codice da controllare: premendo il "
            "suo "
            "pulsante, un messaggio dice se il codice è formalmente corretto; per la partita IVA indica "
            "anche "
            "l'ufficio provinciale che l'ha rilasciata. La busta accanto all'**E-mail** prepara un nuovo "
            "messaggio per il cliente nel programma di posta."))
        .picture(QStringLiteral("clienti_codfisc"), QStringLiteral("Il controllo del codice fiscale."));

    c.section(QStringLiteral("Trovare un cliente"))
        .paragraph(QStringLiteral("**Trova** cerca i clienti per nome, comune di residenza, partita IVA, "
                                  "codice fiscale, documento, "
                                  "occupazione, rappresentante legale, zona, questioni in sospeso o note. La "
                                  "stessa finestra si apre "
                                  "dalle altre app per importare un cliente: lì il doppio clic copia i dati "
                                  "del cliente nella scheda "
                                  "aperta."))
        .picture(QStringLiteral("clienti_trova"),
                 QStringLiteral("I clienti residenti a Parma, trovati con la ricerca."));

    c.section(QStringLiteral("I servizi forniti a un cliente"))
        .steps(
            {QStringLiteral("Portare sullo schermo la scheda del cliente, già salvata."),
             QStringLiteral("Premere **Servizi forniti**: si apre l'elenco dei servizi con il totale degli "
                            "importi."),
             QStringLiteral("Per registrare un servizio premere **Aggiungi voce**, compilare data, ora, "
                            "servizio, agente e importo e premere **Salva**; **Chiudi** torna all'elenco."),
             QStringLiteral("Per correggere un servizio selezionarlo nell'elenco e premere **Modifica "
                            "voce**."),
             QStringLiteral("**Stampa riepilogo** stampa l'elenco dei servizi con il totale.")})
        .picture(QStringLiteral("clienti_servizi"),
                 QStringLiteral("I servizi forniti a un cliente, con il totale."));

    c.section(QStringLiteral("La liberatoria per la privacy"))
        .paragraph(QStringLiteral(
            "Il pulsante **P** accanto alle note prepara il modulo di consenso al trattamento dei dati "
            "personali, già compilato con i dati della scheda: si controlla, si salva come documento e si "
            "stampa per la firma del cliente."))
        .picture(QStringLiteral("clienti_privacy"),
                 QStringLiteral("La liberatoria per la privacy di un cliente."));

    c.section(QStringLiteral("I clienti da ricontattare"))
        .paragraph(QStringLiteral(
            "Il pulsante **Da ricontattare**, con il telefono e l'orologio, elenca i clienti con la casella "
            "Da "
            "ricontattare spuntata. Dopo la telefonata si toglie la spunta e si salva la scheda."))
        .picture(QStringLiteral("clienti_ricontattare"), QStringLiteral("I clienti da ricontattare."));

    c.section(QStringLiteral("Stampa, PDF ed Excel"))
        .paragraph(QStringLiteral("**Anteprima** e **Stampa** mostrano e stampano la scheda del cliente; "
                                  "**Crea PDF** la salva come "
                                  "documento PDF (Contatto.pdf); **Esporta archivio** crea il file "
                                  "Clienti.xls con tutti i clienti."));
    return c;
}

GuideChapter employees() {
    GuideChapter c{QStringLiteral("Archivio Dipendenti"), {}};
    c.paragraph(QStringLiteral(
        "L'app Archivio Dipendenti conserva la scheda di ogni dipendente, con la sua foto, e resta nel tempo "
        "uno storico del personale. I dipendenti si importano nelle schede di intervento come operatori di "
        "pronto intervento."));

    c.section(QStringLiteral("Registrare un dipendente"))
        .steps({QStringLiteral("Aprire l'app con il riquadro **Archivio Dipendenti**."),
                QStringLiteral("Compilare la scheda. Sono obbligatori **Cognome e nome**, **Sesso**, **Tel. "
                               "cellulare**, **Qualifica** e **Reparto**."),
                QStringLiteral("Controllare codice fiscale, partita IVA e IBAN con i segni di spunta verdi "
                               "accanto ai campi."),
                QStringLiteral("Premere **Salva**.")})
        .picture(QStringLiteral("dipendenti_scheda"),
                 QStringLiteral("La scheda di un dipendente con la sua foto."));

    c.section(QStringLiteral("La foto del dipendente"))
        .bullets(
            {QStringLiteral("**Carica** sceglie una foto dal computer (JPEG o bitmap, anche quella scattata "
                            "con il telefono): la foto viene adattata alla cornice."),
             QStringLiteral("**Webcam** apre la finestra della webcam: **Accendi webcam**, poi **Cattura "
                            "foto** per fermare l'immagine e **Importa foto in scheda**."),
             QStringLiteral("Premere **Salva** nella scheda per conservare la foto."),
             QStringLiteral("La lente mostra la foto nelle sue dimensioni reali; **Salva foto su disco** ne "
                            "salva una copia da ritoccare e ricaricare; la gomma la toglie dalla scheda.")})
        .paragraph(QStringLiteral(
            "Il pulsante **Slide show** mostra a tutto schermo le foto di tutti i dipendenti, sei secondi "
            "ciascuna; un clic sull'immagine chiude la presentazione."));

    c.section(QStringLiteral("Trovare un dipendente"))
        .paragraph(QStringLiteral(
            "**Trova** cerca i dipendenti per nome, data e luogo di nascita, cittadinanza, codice fiscale, "
            "disponibilità, qualifica, reparto, equipaggiamento o note; un doppio clic su una riga porta la "
            "scheda sullo schermo."))
        .picture(QStringLiteral("dipendenti_trova"),
                 QStringLiteral("Le guardie giurate, trovate per qualifica."));

    c.section(QStringLiteral("Stampare la scheda del dipendente"))
        .paragraph(QStringLiteral(
            "**Anteprima** mostra la scheda con la foto come sarà stampata; **Stampa** la stampa su carta "
            "(capitolo 2)."));
    return c;
}

GuideChapter agenda() {
    GuideChapter c{QStringLiteral("Agenda Appuntamenti"), {}};
    c.paragraph(QStringLiteral(
        "L'agenda si apre con il riquadro arancione **Agenda Appuntamenti** e mostra a colpo d'occhio gli "
        "appuntamenti imminenti. Serve soltanto a consultarli: gli appuntamenti si registrano e si "
        "correggono "
        "nello schedario (capitolo 7), che si apre con il pulsante **Inserisci appuntamenti**."));

    c.section(QStringLiteral("Gli appuntamenti imminenti e l'avviso"))
        .paragraph(QStringLiteral(
            "All'apertura l'agenda elenca, in ordine di data e ora, gli appuntamenti non ancora assolti il "
            "cui "
            "preavviso è scattato: un appuntamento fissato con due giorni di preavviso compare due giorni "
            "prima. Quando ce ne sono, la guardia con il pollice alzato lo segnala e suona un breve avviso "
            "sonoro (il file Avviso.mp3 che accompagna il programma); quando non ce ne sono, la guardia a "
            "braccia conserte dice che l'elenco è vuoto."))
        .picture(QStringLiteral("agenda"),
                 QStringLiteral("L'agenda con gli appuntamenti imminenti e uno selezionato."))
        .bullets(
            {QStringLiteral("Un clic su un appuntamento lo seleziona: il promemoria su WhatsApp riguarda "
                            "l'appuntamento selezionato."),
             QStringLiteral("**Stampa riepilogo** stampa l'elenco degli appuntamenti imminenti."),
             QStringLiteral("**Esporta in Excel** li mostra in una griglia da esportare nel file "
                            "Appuntamenti_Imminenti.xls.")});

    c.section(QStringLiteral("Il promemoria su WhatsApp"))
        .steps({QStringLiteral("Selezionare l'appuntamento nell'elenco."),
                QStringLiteral(
                    "Fare clic sull'icona di **WhatsApp**: si apre il promemoria con la data, l'ora e "
                    "i dati del cliente."),
                QStringLiteral("Controllare i dati e premere **Invia messaggio**: il promemoria si apre in "
                               "WhatsApp Web, pronto per essere spedito al cellulare del cliente.")})
        .picture(QStringLiteral("agenda_whatsapp"),
                 QStringLiteral("Il promemoria dell'appuntamento selezionato."));

    c.section(QStringLiteral("Gli appuntamenti di un giorno o di un mese"))
        .steps(
            {QStringLiteral("Scegliere un giorno nel calendario dell'agenda."),
             QStringLiteral("Premere **Appuntamenti del giorno** o **Appuntamenti del mese**: si apre la "
                            "griglia degli appuntamenti di quel giorno o di quel mese, in ordine di data e "
                            "ora."),
             QStringLiteral("L'icona di Excel della griglia la salva nel file Appuntamenti_Giornalieri.xls "
                            "o Appuntamenti_Mensili.xls.")});
    return c;
}

GuideChapter appointments() {
    GuideChapter c{QStringLiteral("Schedario Appuntamenti"), {}};
    c.paragraph(QStringLiteral(
        "Nello schedario degli appuntamenti si registrano gli impegni presi con i clienti, che poi compaiono "
        "nell'agenda. Si apre dall'agenda con **Inserisci appuntamenti**; chiudendolo si torna alla "
        "schermata "
        "di avvio."));

    c.section(QStringLiteral("Fissare un appuntamento"))
        .steps(
            {QStringLiteral("Scegliere la **Data appuntamento** dal calendario e l'ora e i minuti dagli "
                            "elenchi."),
             QStringLiteral("Indicare i **Giorni di preavviso**: l'appuntamento comparirà nell'agenda tanti "
                            "giorni prima."),
             QStringLiteral("Indicare l'**Operatore**, i **Servizi richiesti dal cliente** ed eventuali "
                            "dettagli."),
             QStringLiteral("Importare il cliente dall'archivio dei clienti con la freccia verde, oppure "
                            "scriverne nome, telefono, cellulare ed e-mail; indicare l'importo e le note."),
             QStringLiteral("Premere **Salva**. Sono obbligatori la data, l'ora, i giorni di preavviso, i "
                            "servizi, il nome e il cellulare del cliente."),
             QStringLiteral("Per confermare l'appuntamento al cliente premere **WhatsApp**: il messaggio, "
                            "con la data e l'ora fissate, si apre in WhatsApp Web.")})
        .picture(QStringLiteral("appuntamenti_scheda"), QStringLiteral("La scheda di un appuntamento."))
        .note(QStringLiteral("Per un appuntamento che si ripete, portare sullo schermo quello già fissato e "
                             "premere **Duplica**: "
                             "la nuova scheda ha tutti i dati tranne la data e l'ora."));

    c.section(QStringLiteral("Segnare un appuntamento come assolto"))
        .steps({QStringLiteral("Portare l'appuntamento sullo schermo, per esempio con un doppio clic in uno "
                               "degli elenchi."),
                QStringLiteral(
                    "Spuntare **Impegno assolto** e premere **Salva**: l'appuntamento non compare più "
                    "tra quelli imminenti dell'agenda.")});

    c.section(QStringLiteral("Gli elenchi degli appuntamenti"))
        .paragraph(QStringLiteral(
            "I pulsanti **Assolti**, **Da assolvere** e **Scaduti** elencano gli appuntamenti già svolti, "
            "quelli "
            "ancora da svolgere e quelli la cui data è passata senza che siano stati segnati come assolti. "
            "Un "
            "doppio clic su una riga porta l'appuntamento sullo schermo, pronto per essere aggiornato."))
        .picture(QStringLiteral("appuntamenti_da_assolvere"),
                 QStringLiteral("Gli appuntamenti da assolvere."));

    c.section(QStringLiteral("La ricerca avanzata"))
        .paragraph(QStringLiteral(
            "**Trova** combina più criteri: data, ora, operatore, servizi, dettagli, cliente, telefono, "
            "cellulare, modalità di pagamento e note. L'elenco trovato si stampa con **Stampa**; **Esporta "
            "archivio** crea il file Riepilogo_Appuntamenti.xls con tutti gli appuntamenti in ordine "
            "cronologico."))
        .picture(QStringLiteral("appuntamenti_trova"),
                 QStringLiteral("Gli appuntamenti affidati a un operatore."));
    return c;
}

GuideChapter contracts() {
    GuideChapter c{QStringLiteral("Stesura Contratti"), {}};
    c.paragraph(QStringLiteral(
        "L'app Stesura Contratti registra i contratti di vigilanza e li stampa su un foglio A4: sul fronte i "
        "dati del contratto, sul retro le condizioni generali del servizio. Insieme al contratto va "
        "consegnata "
        "al cliente la liberatoria per la privacy (capitolo 4)."));

    c.section(QStringLiteral("I dati e il logo dell'istituto"))
        .paragraph(QStringLiteral(
            "I dati dell'istituto di vigilanza, nella parte alta della scheda, si scrivono una volta sola: "
            "all'uscita dall'app vengono memorizzati e ogni nuovo contratto li riporta già compilati. Il "
            "pulsante **LOGO** accanto ai dati apre la finestra di impostazione del logo: **Sfoglia...** "
            "sceglie "
            "un'immagine JPEG o bitmap, **Applica e chiudi** la adotta per tutti i contratti."))
        .picture(QStringLiteral("contratti_logo"), QStringLiteral("L'impostazione del logo dell'istituto."));

    c.section(QStringLiteral("Redigere un contratto"))
        .steps(
            {QStringLiteral("Premere **Nuovo contratto**: il contratto riceve il numero successivo."),
             QStringLiteral("Controllare la **Data stipula** (quella di oggi) e il **Luogo stipula**."),
             QStringLiteral("Premere **Importa cliente** e scegliere il cliente con un doppio clic: i suoi "
                            "dati anagrafici e fiscali vengono copiati nella scheda."),
             QStringLiteral("Descrivere il sito vigilato, la durata, gli orari, il canone e le modalità di "
                            "pagamento."),
             QStringLiteral("Elencare le attività comprese nel contratto e quelle escluse: sono in fondo "
                            "alla scheda, che si scorre con la rotella del mouse o con la barra a destra."),
             QStringLiteral("Premere **Salva**.")})
        .picture(QStringLiteral("contratti_scheda"),
                 QStringLiteral("La scheda di un contratto di vigilanza."));

    c.section(QStringLiteral("La numerazione dei contratti"))
        .paragraph(QStringLiteral(
            "I contratti sono numerati di seguito. Chi viene da un'altra numerazione può farla partire da un "
            "numero più alto: premere il pulsante **N** (Numerazione), scrivere il numero in **Inizia "
            "numerazione da** e premere **Applica e chiudi**."))
        .picture(QStringLiteral("contratti_numerazione"), QStringLiteral("La numerazione dei contratti."));

    c.section(QStringLiteral("Rinnovare un contratto"))
        .steps(
            {QStringLiteral("Portare sullo schermo il contratto da rinnovare con le frecce o con **Trova**."),
             QStringLiteral("Premere **Duplica contratto**: la copia porta la data di oggi e conserva gli "
                            "allegati dell'originale; il campo **CONTRATTO N.** resta vuoto."),
             QStringLiteral(
                 "Scrivere il numero del nuovo contratto, aggiornare i dati che cambiano e premere "
                 "**Salva**.")});

    c.section(QStringLiteral("Stampare il contratto"))
        .steps({QStringLiteral("Portare il contratto sullo schermo."),
                QStringLiteral("Premere **Anteprima di stampa** per controllarlo."),
                QStringLiteral("Premere **Stampa**: nella finestra **Stampa documento** premere **Stampa** e "
                               "scegliere la stampante. Il contratto ha due pagine, i dati e le condizioni "
                               "generali: con la stampa fronte e retro occupa un solo foglio.")})
        .picture(QStringLiteral("contratti_stampa"), QStringLiteral("La stampa del contratto."))
        .paragraph(QStringLiteral("**Trova** cerca i contratti per cliente, comune, codici, data, sito, "
                                  "durata o attività; **Esporta** "
                                  "crea il file Contratti.xls con tutto l'archivio."));
    return c;
}

// The online help's texts, whole, by the help windows' chapters.
GuideChapter onlineHelp() {
    GuideChapter c{QStringLiteral("I testi della guida in linea"), {}};
    c.paragraph(QStringLiteral(
        "Questo capitolo riporta per intero i testi che la finestra **Guida all'utilizzo del software** "
        "mostra nelle varie app, raggruppati come nella guida in linea."));
    const auto& all = generalParagraphs();
    for (const HelpChapter& chapter : helpChapters()) {
        c.section(toQString(chapter.name));
        for (int n = chapter.first; n <= chapter.last; ++n) {
            const HelpParagraph& p = all[std::size_t(n - 1)];
            c.subheading(QStringLiteral("%1. %2").arg(n).arg(toQString(p.heading)))
                .paragraph(toQString(p.text));
        }
    }
    return c;
}

}  // namespace

std::vector<GuideChapter> guideChapters() {
    return {gettingStarted(), cards(),        emergencies(), clients(),   employees(),
            agenda(),         appointments(), contracts(),   onlineHelp()};
}

const std::vector<QString>& workAreaChapterTitles() {
    static const std::vector<QString> titles{
        QStringLiteral("Coordinamento Emergenze"), QStringLiteral("Clienti e Servizi"),
        QStringLiteral("Archivio Dipendenti"),     QStringLiteral("Agenda Appuntamenti"),
        QStringLiteral("Schedario Appuntamenti"),  QStringLiteral("Stesura Contratti"),
    };
    return titles;
}

}  // namespace custovia::guide
