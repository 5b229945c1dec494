#include "site/WebGamePage.h"

#include <QColor>

namespace WebGamePage {

namespace {

// The frame both games share: the site's blue bar with the badge, name, how-to line and
// counters, the canvas below it and the card that ends a round.
const char* const Frame = R"html(<!DOCTYPE html>
<html lang="zh-CN"><head><meta charset="utf-8"><title>@NAME@</title>
<meta name="viewport" content="width=device-width, initial-scale=1">
<style>
html,body{margin:0;height:100%;overflow:hidden;background:#0b2a44;font-family:"Microsoft YaHei","WenQuanYi Micro Hei","PingFang SC",sans-serif;
 user-select:none;-webkit-user-select:none}
#bar{position:absolute;left:0;right:0;top:0;height:52px;box-sizing:border-box;display:flex;align-items:center;gap:14px;padding:0 16px;
 background:linear-gradient(180deg,#298cd3,#0460a3);color:#fff;box-shadow:0 2px 10px rgba(4,96,163,.45);z-index:1}
.mark{width:34px;height:34px;flex:none;border-radius:10px;background:#fff;color:@COLOUR@;display:grid;place-items:center;font-size:19px;
 font-weight:bold;box-shadow:inset 0 -3px 0 rgba(4,96,163,.25)}
h1{margin:0;font-size:18px;white-space:nowrap;letter-spacing:1px}
.how{flex:1;min-width:0;font-size:13px;color:#dcecf9;white-space:nowrap;overflow:hidden;text-overflow:ellipsis}
kbd{display:inline-block;min-width:13px;padding:0 5px;margin:0 1px;border-radius:4px;border:1px solid rgba(255,255,255,.55);
 border-bottom-width:2px;font:bold 11px/17px Verdana,sans-serif;text-align:center;color:#fff;background:rgba(255,255,255,.12)}
.pill{flex:none;background:rgba(255,255,255,.16);border-radius:16px;padding:3px 14px;font-size:13px;white-space:nowrap}
.pill b{display:inline-block;min-width:24px;margin-left:5px;font-size:17px;color:#ffd27a;text-align:right}
canvas{position:absolute;left:0;top:52px;width:100%;height:calc(100% - 52px);display:block;outline:0;cursor:@CURSOR@}
#over{position:absolute;left:50%;top:calc(50% + 26px);transform:translate(-50%,-50%);z-index:2;min-width:240px;padding:22px 34px 24px;
 border-radius:14px;background:#fff;text-align:center;color:#2b3440;box-shadow:0 10px 36px rgba(0,0,0,.4)}
#over[hidden]{display:none}
#over h2{margin:0 0 6px;font-size:22px;color:#0460a3}
#over p{margin:4px 0;color:#56636f}
#over p b{font-size:30px;color:#f08c00;display:block;line-height:1.3}
#over small{color:#8a97a5}
#again{margin-top:14px;padding:9px 34px;border:0;border-radius:20px;font:bold 15px/1.4 "Microsoft YaHei","WenQuanYi Micro Hei",sans-serif;color:#fff;cursor:pointer;
 background:linear-gradient(180deg,#ffb84d,#f08c00);box-shadow:0 2px 5px rgba(240,140,0,.4)}
#again:hover{background:linear-gradient(180deg,#ffc266,#f59a12)}
</style></head><body>
<div id="bar"><span class="mark">@GLYPH@</span><h1>@NAME@</h1><span class="how">@HOWTO@</span>
<span class="pill">得分<b id="score">0</b></span><span class="pill">@SECOND@<b id="second">@SECONDVALUE@</b></span></div>
<canvas id="stage" tabindex="0" data-hue="@HUE@" data-glyph="@GLYPH@" data-id="@ID@"></canvas>
<div id="over" hidden><h2 id="verdict"></h2><p>本局得分<b id="final">0</b></p><small id="best"></small><br>
<button id="again">再来一局</button></div>
<script>
(function(){
'use strict';
var canvas=document.getElementById('stage'),ctx=canvas.getContext('2d');
var hue=+canvas.dataset.hue,glyph=canvas.dataset.glyph;
var scoreText=document.getElementById('score'),secondText=document.getElementById('second'),card=document.getElementById('over');
var W=0,H=0;
// Everything a watcher may read: the score, frames drawn, and what the kind adds.
var game={score:0,frames:0,over:false};
window.game=game;
function fit(){var box=canvas.getBoundingClientRect(),d=window.devicePixelRatio||1;W=box.width;H=box.height;
 canvas.width=Math.round(W*d);canvas.height=Math.round(H*d);ctx.setTransform(d,0,0,d,0,0);}
function rand(a,b){return a+Math.random()*(b-a);}
function addScore(n){game.score+=n;scoreText.textContent=game.score;}
function setSecond(v){secondText.textContent=v;}
function endRound(verdict){game.over=true;
 var key='best-'+canvas.dataset.id,best=0;
 try{best=Math.max(+localStorage.getItem(key)||0,game.score);localStorage.setItem(key,best);}catch(e){best=game.score;}
 document.getElementById('verdict').textContent=verdict;document.getElementById('final').textContent=game.score;
 document.getElementById('best').textContent=game.score>0&&game.score>=best?'新纪录！':'最高纪录 '+best;
 card.hidden=false;document.getElementById('again').focus();}
function restart(){card.hidden=true;game.score=0;game.over=false;scoreText.textContent=0;reset();canvas.focus();}
document.getElementById('again').addEventListener('click',restart);
var particles=[];
function burst(x,y,colour,n){for(var i=0;i<n;i++){var a=rand(0,6.283),v=rand(60,220);
 particles.push({x:x,y:y,vx:Math.cos(a)*v,vy:Math.sin(a)*v,life:rand(.35,.7),age:0,colour:colour});}}
function drawParticles(dt){particles=particles.filter(function(p){p.age+=dt;p.x+=p.vx*dt;p.y+=p.vy*dt;p.vy+=240*dt;
 if(p.age>=p.life)return false;ctx.globalAlpha=1-p.age/p.life;ctx.fillStyle=p.colour;ctx.beginPath();ctx.arc(p.x,p.y,3,0,6.283);ctx.fill();
 return true;});ctx.globalAlpha=1;}
var labels=[];
function floatText(x,y,text,colour){labels.push({x:x,y:y,text:text,colour:colour,age:0});}
function drawLabels(dt){ctx.textAlign='center';ctx.textBaseline='middle';ctx.font='bold 20px sans-serif';
 labels=labels.filter(function(l){l.age+=dt;if(l.age>0.9)return false;ctx.globalAlpha=1-l.age/0.9;ctx.fillStyle=l.colour;
 ctx.fillText(l.text,l.x,l.y-40*l.age);return true;});ctx.globalAlpha=1;}
function banner(text,alpha){if(alpha<=0)return;ctx.globalAlpha=Math.min(1,alpha);ctx.textAlign='center';ctx.textBaseline='middle';
 ctx.font='bold 40px "Microsoft YaHei","WenQuanYi Micro Hei",sans-serif';ctx.lineWidth=6;ctx.strokeStyle='rgba(4,40,70,.55)';
 ctx.strokeText(text,W/2,H/2);ctx.fillStyle='#fff';ctx.fillText(text,W/2,H/2);ctx.globalAlpha=1;}
@KIND@
// Frames run only while the page is seen: a hidden tab neither draws nor lets the clock run.
var pending=0,last=0;
function frame(t){pending=0;if(document.hidden)return;var dt=last?Math.min(0.05,(t-last)/1000):0;last=t;game.frames++;
 if(!game.over)step(dt);draw(dt);if(game.over){ctx.fillStyle='rgba(4,30,50,.35)';ctx.fillRect(0,0,W,H);}
 pending=requestAnimationFrame(frame);}
function run(){if(!pending&&!document.hidden){last=0;pending=requestAnimationFrame(frame);}}
document.addEventListener('visibilitychange',run);
addEventListener('resize',function(){fit();keepInside();});
fit();reset();run();canvas.focus();
})();
</script></body></html>
)html";

// Steer the badge with the arrow keys or WASD, pick up stars, dodge the spikes; three lives.
const char* const KeysGame = R"js(
var Directions={ArrowLeft:'l',Left:'l',KeyA:'l',a:'l',A:'l',ArrowRight:'r',Right:'r',KeyD:'r',d:'r',D:'r',
 ArrowUp:'u',Up:'u',KeyW:'u',w:'u',W:'u',ArrowDown:'d',Down:'d',KeyS:'d',s:'d',S:'d'};
var held={},tapped={},player={x:0,y:0,r:20},stars=[],spikes=[],clock=0,spawnIn=0,hurt=0;
game.player=player;game.lives=3;
function place(r){var p;for(var i=0;i<40;i++){p={x:rand(r+10,W-r-10),y:rand(r+10,H-r-10)};
 if(Math.hypot(p.x-player.x,p.y-player.y)>140)break;}return p;}
function reset(){player.x=W/2;player.y=H/2;held={};tapped={};stars=[];spikes=[];clock=0;spawnIn=1.6;hurt=0;game.lives=3;setSecond(3);
 for(var i=0;i<3;i++)stars.push(place(14));}
function keepInside(){player.x=Math.max(player.r,Math.min(W-player.r,player.x));player.y=Math.max(player.r,Math.min(H-player.r,player.y));}
function direction(e){return Directions[e.code]||Directions[e.key];}
addEventListener('keydown',function(e){var d=direction(e);
 if(d){held[d]=tapped[d]=true;e.preventDefault();return;}
 if(game.over&&(e.key==='Enter'||e.key===' ')){e.preventDefault();restart();}});
addEventListener('keyup',function(e){var d=direction(e);if(d)held[d]=false;});
addEventListener('blur',function(){held={};});
canvas.addEventListener('mousedown',function(){canvas.focus();});
function on(d){return held[d]||tapped[d];}
function spawnSpike(){var side=Math.floor(rand(0,4)),r=rand(13,20),s={r:r,spin:rand(-3,3),turn:0};
 if(side===0){s.x=-r;s.y=rand(0,H);}else if(side===1){s.x=W+r;s.y=rand(0,H);}else if(side===2){s.x=rand(0,W);s.y=-r;}else{s.x=rand(0,W);s.y=H+r;}
 var a=Math.atan2(player.y-s.y,player.x-s.x)+rand(-.45,.45),v=rand(110,150)+Math.min(170,clock*3);
 s.vx=Math.cos(a)*v;s.vy=Math.sin(a)*v;spikes.push(s);}
function step(dt){clock+=dt;
 var dx=(on('r')?1:0)-(on('l')?1:0),dy=(on('d')?1:0)-(on('u')?1:0);tapped={};
 if(dx||dy){var n=Math.hypot(dx,dy),v=300*Math.max(dt,1/60)/n;player.x+=dx*v;player.y+=dy*v;keepInside();}
 stars.forEach(function(s,i){if(Math.hypot(s.x-player.x,s.y-player.y)<player.r+14){addScore(10);burst(s.x,s.y,'#ffd27a',14);
  floatText(s.x,s.y,'+10','#ffd27a');stars[i]=place(14);}});
 if(clock>1.6){spawnIn-=dt;if(spawnIn<=0){spawnSpike();spawnIn=Math.max(.35,1.3-clock/60);}}
 hurt=Math.max(0,hurt-dt);
 spikes=spikes.filter(function(s){s.x+=s.vx*dt;s.y+=s.vy*dt;s.turn+=s.spin*dt;
  if(!hurt&&Math.hypot(s.x-player.x,s.y-player.y)<player.r+s.r*.8){game.lives--;setSecond(game.lives);hurt=1.5;
   burst(player.x,player.y,'#ff6b5a',22);if(game.lives<=0)endRound('游戏结束');return false;}
  return s.x>-60&&s.x<W+60&&s.y>-60&&s.y<H+60;});}
function starPath(x,y,r,t){ctx.beginPath();for(var i=0;i<10;i++){var a=t+i*Math.PI/5,q=i%2?r*.45:r;ctx.lineTo(x+Math.cos(a)*q,y+Math.sin(a)*q);}
 ctx.closePath();}
function draw(dt){var g=ctx.createLinearGradient(0,0,0,H);g.addColorStop(0,'hsl('+hue+',48%,15%)');g.addColorStop(1,'hsl('+hue+',52%,30%)');
 ctx.fillStyle=g;ctx.fillRect(0,0,W,H);
 ctx.fillStyle='hsla('+hue+',60%,80%,.10)';for(var x=20;x<W;x+=40)for(var y=20;y<H;y+=40)ctx.fillRect(x-1,y-1,2,2);
 var t=game.frames/60;
 stars.forEach(function(s){var pulse=1+Math.sin(t*5+s.x)*.12;ctx.shadowColor='#ffd27a';ctx.shadowBlur=16;
  starPath(s.x,s.y,14*pulse,-Math.PI/2);ctx.fillStyle='#ffcf4d';ctx.fill();ctx.shadowBlur=0;});
 spikes.forEach(function(s){ctx.save();ctx.translate(s.x,s.y);ctx.rotate(s.turn);ctx.beginPath();
  for(var i=0;i<16;i++){var a=i*Math.PI/8,q=i%2?s.r*.62:s.r;ctx.lineTo(Math.cos(a)*q,Math.sin(a)*q);}ctx.closePath();
  ctx.fillStyle='#e8493f';ctx.fill();ctx.lineWidth=2;ctx.strokeStyle='#ffb3a8';ctx.stroke();
  ctx.fillStyle='#7d1a14';ctx.beginPath();ctx.arc(0,0,s.r*.28,0,6.283);ctx.fill();ctx.restore();});
 if(!(hurt&&Math.floor(hurt*10)%2)){ctx.shadowColor='hsl('+hue+',90%,70%)';ctx.shadowBlur=22;ctx.fillStyle='#fff';
  ctx.beginPath();ctx.arc(player.x,player.y,player.r,0,6.283);ctx.fill();ctx.shadowBlur=0;
  ctx.lineWidth=4;ctx.strokeStyle='hsl('+hue+',75%,55%)';ctx.stroke();
  ctx.fillStyle='hsl('+hue+',70%,35%)';ctx.textAlign='center';ctx.textBaseline='middle';
  ctx.font='bold 20px "Microsoft YaHei","WenQuanYi Micro Hei",sans-serif';ctx.fillText(glyph,player.x,player.y+1);}
 drawParticles(dt);drawLabels(dt);
 if(!game.over)banner('准备！',1.6-clock);}
)js";

// Click the targets before they fade: quicker and smaller hits in a row score more; a minute a round.
const char* const MouseGame = R"js(
var Round=60,targets=[],left=Round,spawnIn=0,combo=0,misses=[];
game.targets=targets;
function reset(){targets.length=0;misses=[];left=Round;spawnIn=0;combo=0;setSecond(Round);}
function keepInside(){targets.forEach(function(t){t.x=Math.max(t.r,Math.min(W-t.r,t.x));});}
function size(t){var grow=Math.min(1,t.age/.25),fade=Math.min(1,(t.life-t.age)/.45);return t.r*Math.max(0,Math.min(grow,fade));}
function spawn(){var r=rand(24,40),t={r:r,age:0,life:rand(2.4,3.4),h:(hue+rand(-35,35)+360)%360,vy:-rand(8,22),wobble:rand(0,6)};
 for(var i=0;i<30;i++){t.x=rand(r+8,W-r-8);t.y=rand(r+30,H-r-8);
  if(targets.every(function(o){return Math.hypot(o.x-t.x,o.y-t.y)>o.r+r+10;}))break;}
 targets.push(t);}
function step(dt){
 var before=Math.ceil(left);left=Math.max(0,left-dt);if(Math.ceil(left)!==before)setSecond(Math.ceil(left));
 if(left<=0){endRound('时间到！');return;}
 spawnIn-=dt;if(spawnIn<=0&&targets.length<6){spawn();spawnIn=Math.max(.35,.8-(Round-left)/150);}
 for(var i=targets.length-1;i>=0;i--){var t=targets[i];t.age+=dt;t.y+=t.vy*dt;
  if(t.age>=t.life){targets.splice(i,1);combo=0;}}}
canvas.addEventListener('mousedown',function(e){canvas.focus();if(game.over||e.button!==0)return;
 var box=canvas.getBoundingClientRect(),x=e.clientX-box.left,y=e.clientY-box.top;
 for(var i=targets.length-1;i>=0;i--){var t=targets[i],r=size(t);
  if(Math.hypot(x-t.x,y-t.y)<=r+2){combo++;var points=10+Math.round((40-t.r)/2)+5*Math.min(combo-1,6);addScore(points);
   burst(t.x,t.y,'hsl('+t.h+',85%,60%)',18);floatText(t.x,t.y,(combo>1?'连击 ':'')+'+'+points,'#fff');targets.splice(i,1);return;}}
 combo=0;misses.push({x:x,y:y,age:0});});
function draw(dt){var g=ctx.createLinearGradient(0,0,0,H);g.addColorStop(0,'hsl('+hue+',70%,92%)');g.addColorStop(1,'hsl('+hue+',55%,68%)');
 ctx.fillStyle=g;ctx.fillRect(0,0,W,H);
 ctx.fillStyle='rgba(255,255,255,.32)';for(var k=0;k<5;k++){var cx=(k*331+game.frames*.2*(1+k%3))%(W+240)-120;
  ctx.beginPath();ctx.arc(cx,60+k*((H-120)/4),60+k*9,0,6.283);ctx.fill();}
 targets.forEach(function(t){var r=size(t),x=t.x+Math.sin(t.age*2+t.wobble)*3;if(r<=0)return;
  ctx.shadowColor='rgba(0,0,0,.22)';ctx.shadowBlur=10;ctx.shadowOffsetY=3;
  ctx.fillStyle='#fff';ctx.beginPath();ctx.arc(x,t.y,r,0,6.283);ctx.fill();ctx.shadowBlur=0;ctx.shadowOffsetY=0;
  ctx.fillStyle='hsl('+t.h+',80%,52%)';ctx.beginPath();ctx.arc(x,t.y,r*.82,0,6.283);ctx.fill();
  ctx.fillStyle='#fff';ctx.beginPath();ctx.arc(x,t.y,r*.6,0,6.283);ctx.fill();
  ctx.fillStyle='hsl('+t.h+',80%,52%)';ctx.beginPath();ctx.arc(x,t.y,r*.4,0,6.283);ctx.fill();
  ctx.fillStyle='#fff';ctx.textAlign='center';ctx.textBaseline='middle';
  ctx.font='bold '+Math.round(r*.48)+'px "Microsoft YaHei","WenQuanYi Micro Hei",sans-serif';ctx.fillText(glyph,x,t.y+1);
  var rest=1-t.age/t.life;ctx.lineWidth=3;ctx.strokeStyle='rgba(255,255,255,.85)';ctx.beginPath();
  ctx.arc(x,t.y,r+5,-Math.PI/2,-Math.PI/2+6.283*rest);ctx.stroke();});
 misses=misses.filter(function(m){m.age+=dt;if(m.age>.4)return false;ctx.strokeStyle='rgba(43,52,64,'+(.5-m.age)+')';ctx.lineWidth=2;
  ctx.beginPath();ctx.arc(m.x,m.y,6+40*m.age,0,6.283);ctx.stroke();return true;});
 drawParticles(dt);drawLabels(dt);
 if(!game.over)banner(Round-left<1.2?'开始！':'',1.2-(Round-left));}
)js";

} // namespace

QString Build(const SiteGame& game)
{
    const bool keys = game.webPlay == WebPlay::Keys;
    const QString howTo = keys
        ? QStringLiteral("<kbd>↑</kbd><kbd>↓</kbd><kbd>←</kbd><kbd>→</kbd> 或 <kbd>W</kbd><kbd>A</kbd><kbd>S</kbd><kbd>D</kbd>"
                         " 移动 · 收集星星 · 躲开尖刺，三条命")
        : QStringLiteral("鼠标点中目标得分 · 越小越快分越高，连击加分 · 每局 60 秒");
    QString page = QString::fromUtf8(Frame);
    page.replace(QLatin1String("@KIND@"), QString::fromUtf8(keys ? KeysGame : MouseGame));
    page.replace(QLatin1String("@HOWTO@"), howTo);
    page.replace(QLatin1String("@CURSOR@"), keys ? QStringLiteral("default") : QStringLiteral("crosshair"));
    page.replace(QLatin1String("@SECOND@"), keys ? QStringLiteral("生命") : QStringLiteral("剩余"));
    page.replace(QLatin1String("@SECONDVALUE@"), keys ? QStringLiteral("3") : QStringLiteral("60"));
    page.replace(QLatin1String("@HUE@"), QString::number(qMax(0, game.colour.hsvHue())));
    page.replace(QLatin1String("@COLOUR@"), game.colour.darker(130).name());
    page.replace(QLatin1String("@ID@"), QString::number(game.id));
    // The game's own words last, so that nothing in them is read as a placeholder.
    page.replace(QLatin1String("@GLYPH@"), game.glyph().toHtmlEscaped());
    page.replace(QLatin1String("@NAME@"), game.name.toHtmlEscaped());
    return page;
}

} // namespace WebGamePage
