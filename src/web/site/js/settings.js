'use strict';
// Setup's Settings and About. A colour shows at once everywhere; "Save these Settings as
// Default" writes the settings line into the table the page keeps, which the next visit
// starts from. The hints of the calculator follow "Show Help Tips on Startup" at start and
// the Show Tips button after.

// The colour roles in the settings line's order, under the desktop's two groups.
const COLOR_GROUPS = [
  ['Main Window Color Settings', ['Background', 'Border', 'Text', 'Highlight']],
  ['Details Window Color Settings', ['Background', 'Text', 'Highlight']],
];
// The desktop's hover hints of the calculator's controls.
const HINTS = {
  ClipBtn: 'Copy result to clipboard', AttShips: 'Ships attacking', TargetText: 'Target Type',
  SpinUpBtn: 'Spin up', SpinDownBtn: 'Spin down', AttShipList: 'Attacking Ship Name',
  Efficiency: 'Resource Efficiency Kill Rate', DefShips: 'Ships killed/held',
  TargetDisplay: 'Target Type, T1, T2, or T3', DefShipList: 'Defending Ship Name',
  ClassText: 'Ship Class, Attacker v Defender', InitText: 'Initiative  Attacker V Defender',
};
// Null until the first settings set them.
let hintsOn = null;

function labelled(text, control) {
  const row = element('div', '', {className: 'setting'});
  row.append(element('label', text, {htmlFor: control.id}), control);
  return row;
}

function fillShipLists(ships) {
  for (const id of ['DefaultAttackerList', 'DefaultDefenderList']) setList($(id), ships);
}

function createSettings() {
  const colorInputs = [];
  const groups = COLOR_GROUPS.map(([caption, roles]) => {
    const group = element('fieldset', '');
    group.append(element('legend', caption));
    for (const role of roles) {
      const input = element('input', '', {type: 'color', id: `SettingsColor${colorInputs.length}`});
      colorInputs.push(input);
      group.append(labelled(role, input));
    }
    return group;
  });
  const button = (id, text) => element('button', text, {type: 'button', id});
  $('SettingsArea').replaceChildren(
    element('h3', 'Current program defaults', {id: 'StaticText1'}),
    labelled('Show Help Tips on Startup', element('input', '', {type: 'checkbox', id: 'ToolTipsTick'})),
    labelled('Fleet Size', element('input', '', {
      id: 'DefaultFleetSizeEdit', inputMode: 'numeric', autocomplete: 'off', spellcheck: false,
    })),
    labelled('Attacker', element('select', '', {id: 'DefaultAttackerList'})),
    labelled('Taget', element('select', '', {id: 'DefaultDefenderList'})),
    ...groups,
    element('div', '', {className: 'buttons'}),
  );
  $('SettingsArea').lastChild.append(button('SaveSettingsBtn', 'Save these Settings as Default'),
    button('CancelSettingsBtn', 'Cancel Changes'), button('ClassicSettingsBtn', 'Load Clasic Settings'));
  return colorInputs;
}

// Loading the controls is no change of the user's: Save and Cancel stay as they are told.
function showSettings(answer) {
  if (!$('ToolTipsTick')) return;  // before the panel is built
  if (answer.ships) fillShipLists(answer.ships);
  if (!answer.settings) return;
  const {tips, fleetSize, attacker, defender} = answer.settings;
  $('ToolTipsTick').checked = tips;
  $('DefaultFleetSizeEdit').value = fleetSize;
  $('DefaultAttackerList').selectedIndex = attacker;
  $('DefaultDefenderList').selectedIndex = defender;
  answer.colors.forEach((color, i) => {
    if (/^#[0-9a-f]{6}$/.test(color)) $(`SettingsColor${i}`).value = color;
  });
  if (hintsOn === null) setHints(tips);
}

function settingsChanged(changed) {
  $('SaveSettingsBtn').disabled = !changed;
  $('CancelSettingsBtn').disabled = !changed;
}

// The button says what it will do, as the desktop's does.
function setHints(on) {
  hintsOn = on;
  for (const [id, hint] of Object.entries(HINTS)) $(id).title = on ? hint : '';
  $('HelpBtn').textContent = on ? 'Hide Tips' : 'Show Tips';
}

function saveSettings() {
  const rows = `${$('DefaultAttackerList').selectedIndex},${$('DefaultDefenderList').selectedIndex}`;
  const answer = call('keep', $('ToolTipsTick').checked ? '1' : '0', $('DefaultFleetSizeEdit').value, rows);
  if (!answer.error) settingsChanged(false);
}

function revertSettings(line, changed) {
  call('revert', line);
  settingsChanged(changed);
}

function showAbout(about) {
  const address = (id, text, label) => {
    const box = element('input', '', {id, value: text, readOnly: true});
    box.setAttribute('aria-label', label);
    return box;
  };
  $('AboutArea').replaceChildren(
    element('p', '', {className: 'about-title'}),
    element('p', about.releaseDate, {id: 'Label3', className: 'about-title'}),
    element('p', about.statsNote, {id: 'Label4'}),
    element('p', about.thanks, {id: 'Label5'}),
    address('Edit1', about.email, 'E-mail address'),
    element('p', about.downloadNote, {id: 'Label7'}),
    address('Edit2', about.downloadAddress, 'Download address'),
    element('label', about.readMeHeading, {id: 'Label12', htmlFor: 'ReadMeMemo'}),
    element('textarea', about.readMe, {id: 'ReadMeMemo', readOnly: true, rows: 16}),
  );
  $('AboutArea').firstChild.append(element('span', about.name, {id: 'Label1'}), ' ',
    element('span', about.version, {id: 'Label2'}));
}

function wireSettings(about) {
  createSettings().forEach((input, i) => {
    input.addEventListener('input', () => {
      call('color', String(i), input.value);
      settingsChanged(true);
    });
  });
  for (const id of ['ToolTipsTick', 'DefaultFleetSizeEdit', 'DefaultAttackerList', 'DefaultDefenderList']) {
    $(id).addEventListener(id === 'DefaultFleetSizeEdit' ? 'input' : 'change', () => settingsChanged(true));
  }
  // What the desktop's box takes: a minus and digits, so no comma splits the stored line.
  const fleet = $('DefaultFleetSizeEdit');
  fleet.addEventListener('input', () => {
    const kept = fleet.value.replace(/(?!^-)[^0-9]/g, '');
    if (kept !== fleet.value) fleet.value = kept;
  });
  $('SaveSettingsBtn').addEventListener('click', saveSettings);
  $('CancelSettingsBtn').addEventListener('click', () => revertSettings('saved', false));
  $('ClassicSettingsBtn').addEventListener('click', () => revertSettings('classic', true));
  $('HelpBtn').addEventListener('click', () => setHints(!hintsOn));
  settingsChanged(false);
  fillShipLists([...$('AttShipList').options].map((option) => option.value));
  call('settings');
  showAbout(about);
}
