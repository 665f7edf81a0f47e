'use strict';
// Where the engine's figures show: the result fields, and the report boxes in the engine's
// report order. The build reads this file too, to bake the start-up figures into the page.
const RESULT_FIELDS = {
  outcome: 'CombatText', defenders: 'DefShips', targetSlot: 'TargetDisplay',
  initiatives: 'InitText', target: 'TargetText', classes: 'ClassText',
  efficiency: 'Efficiency', resultLine: 'CurrentResultMemo',
};
const REPORT_BOXES = ['CalculationMemo', 'TargetAttMemo', 'TargetDefMemo', 'ResourcesAttMemo',
  'ResourcesDefMemo', 'BasicStatsAttMemo', 'BasicStatsDefMemo'];
