#include "site/WebGamePage.h"

#include <QColor>

namespace WebGamePage {

QString Build(const SiteGame& game)
{
    const QString page = QStringLiteral(R"(<!DOCTYPE html>
<html lang="zh-CN"><head><meta charset="utf-8"><title>@NAME@</title>
<style>
html,body{margin:0;height:100%;overflow:hidden;background:@BACKGROUND@;font-family:"Microsoft YaHei","WenQuanYi Micro Hei",sans-serif}
canvas{display:block;width:100%;height:100%;cursor:crosshair}
#bar{position:absolute;left:0;right:0;top:0;height:44px;display:flex;align-items:center;gap:18px;padding:0 18px;
 background:linear-gradient(#298cd3,#0460a3);color:#fff;font-size:15px;box-shadow:0 2px 8px rgba(0,0,0,.25)}
#bar b{font-size:18px;margin-right:auto}
#again{display:none;position:absolute;left:50%;top:50%;transform:translate(-50%,-50%);padding:22px 34px;border-radius:14px;
 background:rgba(255,255,255,.94);text-align:center;color:#0460a3;box-shadow:0 8px 30px rgba(0,0,0,.3)}
#again button{margin-top:12px;padding:8px 26px;border:0;border-radius:18px;background:#298cd3;color:#fff;font-size:15px;cursor:pointer}
</style></head><body>
<div id="bar"><b>@NAME@</b><span>得分 <span id="score">0</span></span><span>剩余 <span id="time">60</span> 秒</span></div>
<canvas id="stage"></canvas>
<div id="again"><div style="font-size:20px">时间到！</div><div>本局得分 <span id="final">0</span></div><button id="restart">再来一局</button></div>
<script>
(function(){
var hue=@HUE@,canvas=document.getElementById('stage'),ctx=canvas.getContext('2d'),bubbles=[],score=0,left=60,running=true,last=0;
function fit(){canvas.width=innerWidth;canvas.height=innerHeight;}
addEventListener('resize',fit);fit();
function spawn(){var r=14+Math.random()*26;bubbles.push({x:r+Math.random()*(canvas.width-2*r),y:canvas.height+r,r:r,
 v:40+Math.random()*70,h:(hue+Math.random()*80-40+360)%360,pop:0});}
function draw(t){var dt=Math.min(0.05,(t-last)/1000||0);last=t;
 var g=ctx.createLinearGradient(0,0,0,canvas.height);g.addColorStop(0,'hsl('+hue+',60%,88%)');g.addColorStop(1,'hsl('+hue+',55%,62%)');
 ctx.fillStyle=g;ctx.fillRect(0,0,canvas.width,canvas.height);
 if(running&&Math.random()<dt*3.2)spawn();
 bubbles=bubbles.filter(function(b){
  if(b.pop){b.pop+=dt*4;ctx.strokeStyle='hsla('+b.h+',80%,45%,'+(1-b.pop)+')';ctx.lineWidth=3;
   ctx.beginPath();ctx.arc(b.x,b.y,b.r*(1+b.pop),0,7);ctx.stroke();return b.pop<1;}
  b.y-=b.v*dt;var s=ctx.createRadialGradient(b.x-b.r/3,b.y-b.r/3,b.r/6,b.x,b.y,b.r);
  s.addColorStop(0,'rgba(255,255,255,.95)');s.addColorStop(1,'hsla('+b.h+',85%,55%,.85)');
  ctx.fillStyle=s;ctx.beginPath();ctx.arc(b.x,b.y,b.r,0,7);ctx.fill();return b.y>-b.r;});
 requestAnimationFrame(draw);}
canvas.addEventListener('mousedown',function(e){if(!running)return;
 for(var i=bubbles.length-1;i>=0;i--){var b=bubbles[i],dx=e.clientX-b.x,dy=e.clientY-b.y;
  if(!b.pop&&dx*dx+dy*dy<=b.r*b.r){b.pop=0.01;score+=Math.round(50-b.r);document.getElementById('score').textContent=score;break;}}});
setInterval(function(){if(!running)return;left--;document.getElementById('time').textContent=left;
 if(left<=0){running=false;document.getElementById('final').textContent=score;document.getElementById('again').style.display='block';}},1000);
document.getElementById('restart').onclick=function(){score=0;left=60;running=true;bubbles=[];
 document.getElementById('score').textContent=0;document.getElementById('time').textContent=60;document.getElementById('again').style.display='none';};
requestAnimationFrame(draw);
})();
</script></body></html>
)");
    QString out = page;
    out.replace(QLatin1String("@NAME@"), game.name.toHtmlEscaped());
    out.replace(QLatin1String("@BACKGROUND@"), game.colour.lighter(150).name());
    out.replace(QLatin1String("@HUE@"), QString::number(game.colour.hsvHue()));
    return out;
}

} // namespace WebGamePage
